#include "platform/map/MapViewGrid.h"

#include <cmath>

namespace platform::map {

int MapViewGrid::levelForZoomScale(double zoomScale) {
    if (!std::isfinite(zoomScale) || !(zoomScale > 0.0)) {
        return 0;
    }
    const double level = std::round(std::log2(kMapWorldWidth * zoomScale / MapTileGrid::kTilePoints));
    return static_cast<int>(std::clamp(level, 0.0, static_cast<double>(kGrid.maxLevel())));
}

}  // namespace platform::map
