#include "platform/map/UserLocation.h"

#include "platform/geo/PositionSource.h"

namespace platform::map {

std::optional<geo::Coordinate> UserLocation::location() const {
    const auto& fix = geo::PositionSource::shared()->location();
    if (!fix || !fix->coordinate().isValid()) {
        return std::nullopt;
    }
    return fix->coordinate();
}

geo::Coordinate UserLocation::coordinate() const { return location().value_or(geo::Coordinate{}); }

}  // namespace platform::map
