#pragma once

#include <cmath>

namespace platform::geo {

// A position on the earth in degrees: latitude north positive, longitude east positive.
struct Coordinate {
    double latitude = 0.0;
    double longitude = 0.0;

    // Latitude within [-90, 90] and longitude within [-180, 180] (NaN is never valid).
    bool isValid() const { return std::abs(latitude) <= 90.0 && std::abs(longitude) <= 180.0; }

    friend bool operator==(const Coordinate&, const Coordinate&) = default;
};

}  // namespace platform::geo
