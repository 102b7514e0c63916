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

double MapTileGrid::tileWidth(int level) { return std::ldexp(kMapWorldWidth, -std::clamp(level, 0, kMaxLevel)); }

std::string MapTileGrid::quadKey(std::uint32_t x, std::uint32_t y, int level) {
    std::string key;
    for (int bit = std::min(level, 32) - 1; bit >= 0; --bit) {
        const std::uint32_t mask = 1U << bit;
        key.push_back(static_cast<char>('0' + ((x & mask) != 0 ? 1 : 0) + ((y & mask) != 0 ? 2 : 0)));
    }
    return key;
}

std::vector<MapTileGrid::Cell> MapTileGrid::cellsCovering(const MapRect& rect, int level) {
    std::vector<Cell> cells;
    if (rect.isEmpty() || !std::isfinite(rect.minX()) || !std::isfinite(rect.maxX()) || !std::isfinite(rect.minY()) ||
        !std::isfinite(rect.maxY())) {
        return cells;
    }
    const double width = tileWidth(level);
    const auto tilesAcross = static_cast<long long>(kMapWorldWidth / width);
    // Columns are counted from the world copy the rect starts in; at most one world wide, since more would draw
    // the same tiles twice.
    double left = std::fmod(rect.minX(), kMapWorldWidth);
    if (left < 0.0) {
        left += kMapWorldWidth;
    }
    const double worldStart = rect.minX() - left;
    const auto firstColumn = static_cast<long long>(std::floor(left / width));
    const auto lastColumn =
        std::min(static_cast<long long>(std::ceil(std::min(left + rect.width(), 2.0 * kMapWorldWidth) / width)),
                 firstColumn + tilesAcross) -
        1;
    const auto firstRow = static_cast<long long>(std::floor(std::max(rect.minY(), 0.0) / width));
    const auto lastRow = static_cast<long long>(std::ceil(std::min(rect.maxY(), kMapWorldWidth) / width)) - 1;
    if (lastRow < firstRow || lastColumn < firstColumn ||
        (lastRow - firstRow + 1) * (lastColumn - firstColumn + 1) > kMaxCells) {
        return cells;
    }
    for (long long row = firstRow; row <= lastRow; ++row) {
        for (long long column = firstColumn; column <= lastColumn; ++column) {
            const double y = static_cast<double>(row) * width;
            const double wrapped = static_cast<double>(column % tilesAcross) * width;
            cells.push_back(Cell{MapRect{wrapped, y, width, width},
                                 MapRect{worldStart + static_cast<double>(column) * width, y, width, width}});
        }
    }
    return cells;
}

}  // namespace platform::map
