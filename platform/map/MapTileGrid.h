#pragma once

#include <vector>

#include "platform/map/MapRect.h"

namespace platform::map {

// The grid of the map's square tiles: at level z the world is 2^z by 2^z tiles. A map view shown at a zoom scale
// (view points per map point) draws on the level whose tiles come closest to 256 points wide.
class MapTileGrid {
public:
    static constexpr double kTilePoints = 256.0;
    static constexpr int kMaxLevel = 21;

    // The level for a zoom scale, within 0 to kMaxLevel; 0 for a scale that is not a positive number.
    static int levelForZoomScale(double zoomScale);
    // The width of one tile at a level, in map points.
    static double tileWidth(int level);

    // One cell of the grid: the tile's map rect as it lies in the world, and where it lies relative to the
    // rect the cells were asked for (past the eastern edge for a rect crossing the 180th meridian).
    struct Cell {
        MapRect tile;
        MapRect placed;
    };
    // The tiles at the level that meet rect, row by row from the north-west. Rows outside the world are left
    // out; columns past the eastern edge wrap to the west.
    static std::vector<Cell> cellsCovering(const MapRect& rect, int level);
};

}  // namespace platform::map
