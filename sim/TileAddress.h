#pragma once

#include <optional>
#include <string_view>

namespace qovsim {

// One 256-pixel quadkey tile: column x and row y at level z (2^z tiles a side).
struct TileAddress {
    static constexpr int kDeepestLevel = 23;

    long long x = 0;
    long long y = 0;
    int level = 0;

    // The tile a quadkey names: up to 23 digits 0-3, most significant level first (none: the level-0 tile of
    // the whole world); nullopt otherwise.
    static std::optional<TileAddress> fromQuadKey(std::string_view quadKey);

    // The degrees of a point of the Mercator world given as fractions of its width (u, from the western edge) and
    // of its height (v, from the northern edge).
    static double longitudeOf(double u);
    static double latitudeOf(double v);
    // The other way: where a coordinate lies in the Mercator world (latitudes beyond the world's edge, about 85
    // degrees, lie outside [0, 1)).
    static double uOf(double longitude);
    static double vOf(double latitude);
};

}  // namespace qovsim
