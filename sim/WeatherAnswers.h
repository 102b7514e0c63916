#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "platform/base/Date.h"
#include "sim/Gazetteer.h"
#include "sim/WeatherModel.h"

namespace qovsim {

// The data service's weather documents for one place at one "now": the location record, the location
// aggregate (the location with every weather section), and the marine document. Dates are whole seconds since
// 1970; values are in imperial units; texts that the application reads as text are JSON strings.
class WeatherAnswers {
public:
    using Json = nlohmann::ordered_json;

    WeatherAnswers(const Place& place, const Gazetteer& gazetteer, platform::Date now);

    // "/wxdata/mobile/mobagg/KEY:TYPE.js": a list holding one record with "Location" and the weather sections.
    Json aggregate() const;
    // "/wxdata/loc/KEY:TYPE.js": the location fields beside "class": "location".
    Json locationOnly() const;
    // "/wxdata/marine/KEY:TYPE.js": a list holding one record with "MarineForecastStations" and "TideData"
    // (both empty for an inland place).
    Json marine() const;
    // The service's error record, answered for an identifier it does not know.
    static Json errorRecord(const std::string& identifier);

    Json location() const;
    Json observation(bool highResolution) const;
    Json hourlyForecasts() const;
    Json hiRadHourlyForecasts() const;
    Json narrativeForecasts() const;
    Json dailyForecasts() const;
    Json sunriseSunsets() const;
    Json weatherAlerts() const;
    Json pollen() const;
    Json marineForecasts() const;
    Json tides() const;

private:
    Json dayPart(const DayPartWeather& part) const;
    std::string dayPartPhrase(const DayPartWeather& part) const;
    std::string observationStation() const;
    bool isEvening() const;

    const Place& m_place;
    const Gazetteer& m_gazetteer;
    double m_now;
    WeatherModel m_model;
    long long m_today;
};

}  // namespace qovsim
