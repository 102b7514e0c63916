#pragma once

#include <optional>
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

// A small climate of one place: plausible, repeatable weather for any instant. Temperatures, winds and pressure
// come from the place's latitude, elevation, coast and season plus a pseudo-random variation keyed by the place and
// the local day; humidity, visibility and UV follow the sky. The sky is the one the tile server draws: the moving
// rain and cloud fields (NoiseField) at the place and instant. Rain over the place is a wet sky, the heavier the
// rain the wetter the sky, falling at the rate the 24-hour totals add up; a dry place's sky follows its clouds. So
// the conditions agree with the radar, cloud and 24-hour rain pictures of the same instant. A day part (06:00-18:00,
// 18:00-06:00) shows the sky of its wettest hour, or of its mean cloud when no hour is wet. A model that forecasts
// from a "now" takes the fields' skies for the day parts that begin within two days of it (the hours the answers
// list and every forecast frame of the maps lie within them), sums up the part under way from the top of now's hour
// on, and keeps for later parts a sky of the place's climate, keyed by the place and the part. The same place, now
// and instant always give the same weather. One model serves one answer on one thread (it memoises per-day
// values).
class WeatherModel {
public:
    // Without a now, every day part takes the fields' sky over all its hours.
    explicit WeatherModel(const Place& place, std::optional<double> now = std::nullopt);

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
    // What the fields hold over the place at an instant.
    struct FieldValues {
        double rain;
        double cloud;
    };
    struct PartSky {
        const SkyCondition* sky;
        int chanceOfPrecipitation;
    };

    static long long partIndex(long long day, bool night) { return day * 2 + (night ? 1 : 0); }
    long long partAt(double instant) const;
    double partStart(long long part) const;
    FieldValues fieldsAt(double instant) const;
    // The sky of the place's climate for a part: what temperatures and pressure follow, and the sky of parts beyond
    // the reach.
    const SkyCondition& climateSky(long long part) const;
    // The sky a part shows: the climate's beyond the reach, else the fields' over its hours.
    const PartSky& partSky(long long part) const;
    double baseTemperature(long long day) const;
    double dailyRange(long long day) const;
    double temperatureAt(double instant) const;
    double pressureOfPart(long long part) const;

    Place m_place;
    PlaceTime m_time;
    double m_firstHour;   // the top of now's hour, where the part under way begins its sum
    double m_fieldReach;  // the first instant whose day part takes the climate's sky
    double m_worldU;      // the place in the Mercator world the fields cover
    double m_worldV;
    mutable std::unordered_map<long long, double> m_baseTemperatures;
    mutable std::unordered_map<long long, const SkyCondition*> m_climateSkies;
    mutable std::unordered_map<long long, PartSky> m_partSkies;
};

}  // namespace qovsim
