#pragma once

namespace qov {

// A position in degrees.
struct LocationCoordinate {
    double latitude = 0.0;
    double longitude = 0.0;

    friend bool operator==(const LocationCoordinate&, const LocationCoordinate&) = default;
};

}  // namespace qov
