#pragma once

#include "platform/map/MapTileGrid.h"

namespace platform::map {

// The map view's tiles: the shared grid down to level 21, drawn at the level whose tiles come closest to 256
// points wide at the view's zoom scale (view points per map point). Pure; any thread.
struct MapViewGrid {
    static constexpr MapTileGrid kGrid{21};

    // The level for a zoom scale, within the grid's levels; 0 for a scale that is not a positive number.
    static int levelForZoomScale(double zoomScale);
};

}  // namespace platform::map
