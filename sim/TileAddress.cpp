#include "sim/TileAddress.h"

#include <cmath>
#include <numbers>

namespace qovsim {

double TileAddress::longitudeOf(double u) { return u * 360.0 - 180.0; }

double TileAddress::latitudeOf(double v) {
    return std::atan(std::sinh(std::numbers::pi * (1.0 - 2.0 * v))) * 180.0 / std::numbers::pi;
}

double TileAddress::uOf(double longitude) { return (longitude + 180.0) / 360.0; }

double TileAddress::vOf(double latitude) {
    const double sine = std::sin(latitude * std::numbers::pi / 180.0);
    return 0.5 - std::log((1.0 + sine) / (1.0 - sine)) / (4.0 * std::numbers::pi);
}

std::optional<TileAddress> TileAddress::fromQuadKey(std::string_view quadKey) {
    if (quadKey.size() > static_cast<std::size_t>(kDeepestLevel)) {
        return std::nullopt;
    }
    TileAddress tile;
    for (char digit : quadKey) {
        if (digit < '0' || digit > '3') {
            return std::nullopt;
        }
        const int bits = digit - '0';
        tile.x = tile.x * 2 + (bits & 1);
        tile.y = tile.y * 2 + ((bits & 2) != 0 ? 1 : 0);
    }
    tile.level = static_cast<int>(quadKey.size());
    return tile;
}

}  // namespace qovsim
