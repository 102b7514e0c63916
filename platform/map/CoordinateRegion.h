#pragma once

#include "platform/geo/Coordinate.h"

namespace platform::map {

using geo::Coordinate;

// The extent of a region in degrees: north to south and west to east.
struct CoordinateSpan {
    double latitudeDelta = 0.0;
    double longitudeDelta = 0.0;

    friend constexpr bool operator==(const CoordinateSpan&, const CoordinateSpan&) = default;
};

// A centre and the span around it.
struct CoordinateRegion {
    Coordinate center;
    CoordinateSpan span;

    friend constexpr bool operator==(const CoordinateRegion&, const CoordinateRegion&) = default;
};

}  // namespace platform::map
