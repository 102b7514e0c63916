#pragma once

namespace qovsim {

// Sunrise, solar noon and sunset of one day at a coordinate (the sunrise equation, good to about a minute).
struct SunTimes {
    double sunrise = 0.0;  // instants, seconds since 1970
    double solarNoon = 0.0;
    double sunset = 0.0;
    double declination = 0.0;  // degrees

    // dayNumber: the local calendar day (days since 1970-01-01); longitude positive east. In polar night the
    // sun rises and sets at solar noon; under the midnight sun it rises and sets half a day either side of it.
    static SunTimes forDay(long long dayNumber, double latitude, double longitude);
};

}  // namespace qovsim
