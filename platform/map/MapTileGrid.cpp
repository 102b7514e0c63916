#include "platform/map/MapTileGrid.h"

#include <algorithm>
#include <cmath>

namespace platform::map {

int MapTileGrid::levelForZoomScale(double zoomScale) {
    if (!std::isfinite(zoomScale) || !(zoomScale > 0.0)) {
        return 0;
    }
    const double level = std::round(std::log2(kMapWorldWidth * zoomScale / kTilePoints));
    return static_cast<int>(std::clamp(level, 0.0, static_cast<double>(kMaxLevel)));
}

double MapTileGrid::tileWidth(int level) {
    return std::ldexp(kMapWorldWidth, -std::clamp(level, 0, kMaxLevel));
}

std::vector<MapTileGrid::Cell> MapTileGrid::cellsCovering(const MapRect& rect, int level) {
    std::vector<Cell> cells;
    if (rect.isEmpty() || !std::isfinite(rect.minX()) || !std::isfinite(rect.maxX())) {
        return cells;
    }
    const double width = tileWidth(level);
    const double tilesAcross = kMapWorldWidth / width;
    const MapRect clamped = rect.intersection(MapRect{rect.minX(), 0.0, rect.width(), kMapWorldWidth});
    if (clamped.isEmpty()) {
        return cells;
    }
    // At most one world wide: more would draw the same tiles twice.
    const double firstColumn = std::floor(clamped.minX() / width);
    const double lastColumn = std::min(std::ceil(clamped.maxX() / width), firstColumn + tilesAcross) - 1.0;
    const double firstRow = std::floor(clamped.minY() / width);
    const double lastRow = std::min(std::ceil(clamped.maxY() / width), tilesAcross) - 1.0;
    for (double row = firstRow; row <= lastRow; ++row) {
        for (double column = firstColumn; column <= lastColumn; ++column) {
            const MapRect placed{column * width, row * width, width, width};
            double wrapped = std::fmod(column, tilesAcross);
            if (wrapped < 0.0) {
                wrapped += tilesAcross;
            }
            cells.push_back(Cell{MapRect{wrapped * width, row * width, width, width}, placed});
        }
    }
    return cells;
}

}  // namespace platform::map
