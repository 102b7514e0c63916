#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "sim/Place.h"
#include "sim/PlaceTime.h"
#include "sim/SunTimes.h"

namespace qovsim {

// One kind of sky, with the icon codes and texts the service uses for it.
struct SkyCondition {
    int dayIcon;
    int nightIcon;
    const char* dayText;
    const char* nightText;
    const char* shortText;
    const char* precipitationType;  // "rain", "snow", "precip" or "" for a dry sky
    int chanceOfPrecipitation;      // typical percentage
    int visibility;                 // miles
    double sunshine;                // share of clear-sky UV that gets through

    bool isWet() const { return *precipitationType != '\0'; }
};

// The weather at one instant, in the service's imperial units.
struct WeatherSample {
    double temperature = 0.0;  // °F
    double feelsLike = 0.0;
    double dewPoint = 0.0;
    int humidity = 0;          // percent
    int windSpeed = 0;         // mph
    int windDirection = 0;     // degrees
    int windGust = 0;          // mph, 0 when not gusty
    double pressure = 0.0;     // inches of mercury
    int pressureTendency = 0;  // 0 steady, 1 rising, 2 falling
    int uvIndex = 0;
    int visibility = 0;  // miles
    int chanceOfPrecipitation = 0;
    double precipitationRate = 0.0;  // inches per hour
    double snowRate = 0.0;           // inches per hour
    bool night = false;              // the sun is down
    const SkyCondition* sky = nullptr;

    int icon() const { return night ? sky->nightIcon : sky->dayIcon; }
    const char* text() const { return night ? sky->nightText : sky->dayText; }
};

// The day (06:00-18:00) or the night (18:00-06:00 of the next day) of one local day.
struct DayPartWeather {
    long long day = 0;
    bool night = false;
    const SkyCondition* sky = nullptr;
    int temperature = 0;  // the day's high or the night's low, °F
    int humidity = 0;
    int windSpeed = 0;
    int windDirection = 0;
    int chanceOfPrecipitation = 0;
    int uvIndex = 0;

    int icon() const { return night ? sky->nightIcon : sky->dayIcon; }
    const char* text() const { return night ? sky->nightText : sky->dayText; }
};

// A small climate of one place: plausible, repeatable weather for any instant, computed from the place's
// latitude, elevation, coast and season plus a pseudo-random variation keyed by the place and the local day.
// The same place and instant always give the same weather, whatever "now" is. One model serves one answer on
// one thread (it memoises per-day values).
class WeatherModel {
public:
    explicit WeatherModel(const Place& place);

    const Place& place() const { return m_place; }
    const PlaceTime& time() const { return m_time; }

    WeatherSample sample(double instant) const;
    DayPartWeather dayPart(long long day, bool night) const;
    int high(long long day) const;  // highest temperature from 06:00 to 18:00
    int low(long long day) const;   // lowest from 18:00 to 06:00 of the next day, never above high(day)
    SunTimes sun(long long day) const;
    double seaTemperature(long long day) const;  // °F

    // A repeatable number in [0, 1) for the place, a purpose and a counter.
    double noise(std::string_view purpose, long long counter) const;

    static std::string compassPoint(int degrees);  // 16 points, "N" ... "NNW"
    static std::string uvDescription(int uvIndex);

private:
    long long partIndex(long long day, bool night) const { return day * 2 + (night ? 1 : 0); }
    const SkyCondition& skyOfPart(long long part) const;
    double baseTemperature(long long day) const;
    double dailyRange(long long day) const;
    double temperatureAt(double instant) const;
    double pressureOfPart(long long part) const;

    Place m_place;
    PlaceTime m_time;
    mutable std::unordered_map<long long, double> m_baseTemperatures;
    mutable std::unordered_map<long long, const SkyCondition*> m_skies;
};

}  // namespace qovsim
