// The forecast sections of the location aggregate: observations, hourly and high-resolution periods,
// narratives, days with their day and night parts, and sun times.
#include <cmath>
#include <string>

#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

constexpr double kHour = 3600.0;
constexpr int kHourlyPeriods = 48;
constexpr int kHiRadPeriods = 48;
constexpr double kHiRadStep = 900.0;
constexpr int kNarratives = 10;
constexpr int kDays = 10;

long long epoch(double instant) { return std::llround(instant); }

int rounded(double value) { return static_cast<int>(std::lround(value)); }

std::string windText(int speed, int direction) { return speed == 0 ? "CALM" : WeatherModel::compassPoint(direction); }

// "Winds SW at 10 to 15 mph."
std::string windPhrase(int speed, int direction) {
    if (speed < 5) {
        return "Winds light and variable.";
    }
    int from = speed / 5 * 5;
    return "Winds " + WeatherModel::compassPoint(direction) + " at " + std::to_string(from) + " to " +
           std::to_string(from + 5) + " mph.";
}

}  // namespace

WeatherAnswers::Json WeatherAnswers::observation(bool highResolution) const {
    // High-resolution stations report every five minutes; standard ones at ten to the hour.
    double observed = highResolution ? std::floor(m_now / 300.0) * 300.0
                                     : std::floor((m_now - 51.0 * 60.0) / kHour) * kHour + 51.0 * 60.0;
    WeatherSample s = m_model.sample(observed);
    const char* tendencies[] = {"Steady", "Rising", "Falling"};
    return Json{
        {"date", epoch(observed)},
        {"obsName", m_place.city},
        {"key", observationStation()},
        {"wxIcon", s.icon()},
        {"text", s.text()},
        {"temp", rounded(s.temperature)},
        {"feelsLike", rounded(s.feelsLike)},
        {"pressure", s.pressure},
        {"pressureDescription", tendencies[s.pressureTendency]},
        {"wSpeed", s.windSpeed},
        {"wDir", s.windDirection},
        {"wDirText", windText(s.windSpeed, s.windDirection)},
        {"wGust", s.windGust},
        {"visibility", s.visibility},
        {"humid", s.humidity},
        {"dewPoint", rounded(s.dewPoint)},
        {"tend", s.pressureTendency},
        {"uv", s.uvIndex},
        {"uvText", WeatherModel::uvDescription(s.uvIndex)},
    };
}

WeatherAnswers::Json WeatherAnswers::hourlyForecasts() const {
    // From the top of the current local hour.
    double start = m_model.time().localMidnight(m_now) + std::floor(m_model.time().localHours(m_now)) * kHour;
    Json list = Json::array();
    for (int i = 0; i < kHourlyPeriods; ++i) {
        double at = start + i * kHour;
        WeatherSample s = m_model.sample(at);
        list.push_back(Json{
            {"dateTime", epoch(at)},
            {"key", m_place.key},
            {"icon", s.icon()},
            {"wDesc", s.text()},
            {"temp", rounded(s.temperature)},
            {"feelsLike", rounded(s.feelsLike)},
            {"dew", rounded(s.dewPoint)},
            {"humid", s.humidity},
            {"pop", s.chanceOfPrecipitation},
            {"uv", s.uvIndex},
            {"wSpeed", s.windSpeed},
            {"wDir", s.windDirection},
            {"wDirText", windText(s.windSpeed, s.windDirection)},
        });
    }
    return list;
}

WeatherAnswers::Json WeatherAnswers::hiRadHourlyForecasts() const {
    // Quarter-hour steps from the top of the current local hour.
    double start = m_model.time().localMidnight(m_now) + std::floor(m_model.time().localHours(m_now)) * kHour;
    Json list = Json::array();
    for (int i = 0; i < kHiRadPeriods; ++i) {
        double at = start + i * kHiRadStep;
        WeatherSample s = m_model.sample(at);
        int severity = s.sky->dayIcon == 38 ? 2 : (s.precipitationRate > 0.0 ? 1 : 0);
        list.push_back(Json{
            {"validDate", epoch(at)},
            {"key", m_place.key},
            {"icon", s.icon()},
            {"text", s.text()},
            {"temp", rounded(s.temperature)},
            {"feelsLike", rounded(s.feelsLike)},
            {"dew", rounded(s.dewPoint)},
            {"severity", severity},
            {"visibility", s.visibility},
            {"humid", s.humidity},
            {"pop", s.chanceOfPrecipitation},
            {"precipRate", s.precipitationRate},
            {"snowRate", s.snowRate},
            {"uv", s.uvIndex},
            {"uvText", WeatherModel::uvDescription(s.uvIndex)},
            {"wSpeed", s.windSpeed},
            {"wDir", s.windDirection},
            {"wDirText", windText(s.windSpeed, s.windDirection)},
        });
    }
    return list;
}

std::string WeatherAnswers::dayPartPhrase(const DayPartWeather& part) const {
    std::string phrase = std::string(part.text()) + ". " + (part.night ? "Low " : "High ") +
                         std::to_string(part.temperature) + "F. " + windPhrase(part.windSpeed, part.windDirection);
    if (part.sky->isWet() && part.chanceOfPrecipitation >= 30) {
        std::string what =
            std::string(part.sky->precipitationType) == "precip" ? "precipitation" : part.sky->precipitationType;
        phrase += " Chance of " + what + " " + std::to_string(part.chanceOfPrecipitation) + "%.";
    }
    return phrase;
}

WeatherAnswers::Json WeatherAnswers::narrativeForecasts() const {
    Json list = Json::array();
    long long day = m_today;
    bool night = isEvening();
    for (int i = 0; i < kNarratives; ++i) {
        std::string name;
        if (day == m_today) {
            name = night ? "Tonight" : "Today";
        } else if (day == m_today + 1) {
            name = night ? "Tomorrow Night" : "Tomorrow";
        } else {
            name = std::string(PlaceTime::weekdayName(day)) + (night ? " Night" : "");
        }
        DayPartWeather part = m_model.dayPart(day, night);
        list.push_back(Json{
            {"key", m_place.key},
            {"validDate", epoch(m_model.time().instantAt(day, night ? 19.0 : 7.0))},
            {"dayPart", name},
            {"phrase", dayPartPhrase(part)},
            {"icon", part.icon()},
            {"uv", part.uvIndex},
        });
        if (night) {
            ++day;
        }
        night = !night;
    }
    return list;
}

WeatherAnswers::Json WeatherAnswers::dayPart(const DayPartWeather& part) const {
    bool freezing = part.temperature <= 32;
    std::string precipitationType = part.sky->isWet() ? part.sky->precipitationType : (freezing ? "snow" : "rain");
    bool snowing = std::string(part.sky->precipitationType) == "snow";
    int snowFrom = snowing ? 1 + static_cast<int>(m_model.noise("accumulation", part.day * 2 + part.night) * 3) : 0;
    return Json{
        {"icon", part.icon()},
        {"phrase", dayPartPhrase(part)},
        {"bluntPhrase", part.sky->shortText},
        {"humid", part.humidity},
        {"pop", part.chanceOfPrecipitation},
        {"uv", part.uvIndex},
        {"wSpeed", part.windSpeed},
        {"wDir", part.windDirection},
        {"wDirText", windText(part.windSpeed, part.windDirection)},
        {"weatherCode", std::to_string(part.icon() * 100)},
        {"precip_type", precipitationType},
        {"snwAccumPhrase", snowing ? std::to_string(snowFrom) + " to " + std::to_string(snowFrom + 2) + " in." : ""},
        {"snwAccumPhraseTerse", snowing ? std::to_string(snowFrom) + "-" + std::to_string(snowFrom + 2) + "\"" : ""},
        {"extQual", part.windSpeed >= 20 ? "Windy at times." : ""},
    };
}

WeatherAnswers::Json WeatherAnswers::dailyForecasts() const {
    Json list = Json::array();
    for (int i = 0; i < kDays; ++i) {
        long long day = m_today + i;
        DayPartWeather dayHalf = m_model.dayPart(day, false);
        DayPartWeather nightHalf = m_model.dayPart(day, true);
        bool snow = std::string(dayHalf.sky->precipitationType) == "snow" ||
                    std::string(nightHalf.sky->precipitationType) == "snow";
        Json entry{
            {"validDate", epoch(m_model.time().instantAt(day, 7.0))},
            {"key", m_place.key},
            {"maxTemp", dayHalf.temperature},
            {"minTemp", nightHalf.temperature},
            {"precip_type", snow ? "snow" : "rain"},
        };
        // In the evening the service no longer forecasts the rest of today.
        if (i > 0 || !isEvening()) {
            entry["day"] = dayPart(dayHalf);
        }
        entry["night"] = dayPart(nightHalf);
        list.push_back(std::move(entry));
    }
    return list;
}

WeatherAnswers::Json WeatherAnswers::sunriseSunsets() const {
    Json list = Json::array();
    for (int i = 0; i < kDays; ++i) {
        SunTimes sun = m_model.sun(m_today + i);
        list.push_back(Json{{"rise", epoch(sun.sunrise)}, {"set", epoch(sun.sunset)}});
    }
    return list;
}

}  // namespace qovsim
