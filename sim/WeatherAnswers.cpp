#include "sim/WeatherAnswers.h"

#include <cctype>
#include <cmath>

namespace qovsim {

namespace {

constexpr double kFeetPerMetre = 3.28084;

}  // namespace

WeatherAnswers::WeatherAnswers(const Place& place, const Gazetteer& gazetteer, platform::Date now)
    : m_place(place),
      m_gazetteer(gazetteer),
      m_now(std::floor(now.secondsSince1970)),
      m_model(place, m_now),
      m_today(m_model.time().dayNumber(m_now)) {}

bool WeatherAnswers::isEvening() const { return m_model.time().localHours(m_now) >= 14.0; }

std::string WeatherAnswers::observationStation() const {
    if (m_place.countryCode != "US") {
        return m_place.key;
    }
    std::string station = "K";
    for (char c : m_place.city) {
        if (std::isalpha(static_cast<unsigned char>(c)) && station.size() < 4) {
            station += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return station;
}

WeatherAnswers::Json WeatherAnswers::location() const {
    // A postal code belongs to the nearest city of the gazetteer.
    std::string parent;
    if (m_place.isPostalCode()) {
        if (const Place* city = m_gazetteer.nearest(m_place.latitude, m_place.longitude, 1)) {
            parent = city->identifier();
        }
    }
    double offsetHours = m_model.time().offsetSeconds(m_now) / 3600.0;
    return Json{
        {"type", m_place.type},
        {"key", m_place.key},
        {"obsID", observationStation()},
        {"parentLoc", parent},
        {"forecastID", parent.empty() ? m_place.identifier() : parent},
        {"name", m_place.name},
        {"city", m_place.city},
        {"state", m_place.state},
        {"zip", m_place.postalCode},
        {"country", m_place.country},
        {"countryCode", m_place.countryCode},
        {"dma", m_place.dma},
        {"rgn4", m_place.region4},
        {"rgn9", m_place.region9},
        {"lat", m_place.latitude},
        {"lng", m_place.longitude},
        {"elv", std::lround(m_place.elevation * kFeetPerMetre)},
        {"tz", offsetHours},
        {"zoneInfo", m_place.timeZone},
        {"isMarineSurf", m_place.coastal ? "true" : "false"},
    };
}

WeatherAnswers::Json WeatherAnswers::locationOnly() const {
    Json record{{"class", "location"}};
    record.update(location());
    return record;
}

WeatherAnswers::Json WeatherAnswers::aggregate() const {
    Json record{{"Location", location()}};
    // The high-resolution observation network covers the United States only.
    if (m_place.countryCode == "US") {
        record["HiradObservation"] = observation(true);
    }
    record["StandardObservation"] = observation(false);
    Json pollenList = pollen();
    if (!pollenList.empty()) {
        record["Pollen"] = std::move(pollenList);
    }
    record["SunRiseSet"] = sunriseSunsets();
    record["HourlyForecasts"] = hourlyForecasts();
    record["HourlyHiradForecasts"] = hiRadHourlyForecasts();
    record["NarrativeForecasts"] = narrativeForecasts();
    record["DailyForecasts"] = dailyForecasts();
    record["WeatherAlerts"] = weatherAlerts();
    return Json::array({std::move(record)});
}

WeatherAnswers::Json WeatherAnswers::marine() const {
    Json record{{"MarineForecastStations", marineForecasts()}, {"TideData", tides()}};
    return Json::array({std::move(record)});
}

WeatherAnswers::Json WeatherAnswers::errorRecord(const std::string& identifier) {
    return Json{{"class", "error"}, {"type", "404"}, {"cat", "location"}, {"text", "No location for " + identifier}};
}

}  // namespace qovsim
