#include "sim/TileAddress.h"

namespace qovsim {

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
