#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/map/MapRect.h"

namespace platform::map {

// The grid of the map's square tiles: at level z the world is 2^z by 2^z tiles. A map view shown at a zoom scale
// (view points per map point) draws on the level whose tiles come closest to 256 points wide. Pure functions,
// any thread.
class MapTileGrid {
public:
    static constexpr double kTilePoints = 256.0;
    static constexpr int kMaxLevel = 21;
    // More cells than a screen could show at its level: a rect and level that ask for more get none.
    static constexpr long long kMaxCells = 1 << 16;

    // The level for a zoom scale, within 0 to kMaxLevel; 0 for a scale that is not a positive number.
    static int levelForZoomScale(double zoomScale);
    // The width of one tile at a level, in map points.
    static double tileWidth(int level);
    // The quadkey of tile (x, y) at a level: one digit per level, the most significant first; the digit of level
    // bit i is 0, plus 1 when bit i of x is set, plus 2 when bit i of y is set ("213" for 3, 5 at level 3). Empty
    // below level 1; a level above 32 counts as 32. The tile server and the map cache's file names use it.
    static std::string quadKey(std::uint32_t x, std::uint32_t y, int level);

    // One cell of the grid: the tile's map rect as it lies in the world, and where it lies relative to the
    // rect the cells were asked for (past the eastern edge for a rect crossing the 180th meridian).
    struct Cell {
        MapRect tile;
        MapRect placed;
    };
    // The tiles at the level that meet rect, row by row from the north-west. Rows outside the world are left
    // out; columns past the eastern edge wrap to the west. Empty for a rect that is not finite or would need
    // more than kMaxCells cells.
    static std::vector<Cell> cellsCovering(const MapRect& rect, int level);
};

}  // namespace platform::map
