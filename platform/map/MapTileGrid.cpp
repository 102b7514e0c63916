#include "platform/map/MapTileGrid.h"

#include <cmath>

namespace platform::map {

double MapTileGrid::tileWidth(int level) const { return std::ldexp(kMapWorldWidth, -levelWithin(level)); }

long long MapTileGrid::wrappedColumn(long long column, int level) const {
    const long long tilesAcross = 1LL << levelWithin(level);
    return ((column % tilesAcross) + tilesAcross) % tilesAcross;
}

MapTileGrid::Span MapTileGrid::spanCovering(const MapRect& rect, int level) const {
    Span span;
    span.level = levelWithin(level);
    for (const double edge : {rect.minX(), rect.maxX(), rect.minY(), rect.maxY()}) {
        if (!std::isfinite(edge) || std::fabs(edge) > kFarthestWorlds * kMapWorldWidth) {
            return span;
        }
    }
    const double width = tileWidth(span.level);
    const long long tilesAcross = 1LL << span.level;
    span.firstColumn = static_cast<long long>(std::floor(rect.minX() / width));
    span.lastColumn =
        std::min(static_cast<long long>(std::floor(rect.maxX() / width)), span.firstColumn + tilesAcross - 1);
    span.firstRow = std::max(static_cast<long long>(std::floor(rect.minY() / width)), 0LL);
    span.lastRow = std::min(static_cast<long long>(std::floor(rect.maxY() / width)), tilesAcross - 1);
    return span;
}

std::vector<MapTileGrid::Cell> MapTileGrid::cellsCovering(const MapRect& rect, int level) const {
    const Span span = spanCovering(rect, level);
    std::vector<Cell> cells;
    if (span.cells() == 0 || span.cells() > kMaxCells) {
        return cells;
    }
    const double width = tileWidth(span.level);
    cells.reserve(static_cast<std::size_t>(span.cells()));
    for (long long row = span.firstRow; row <= span.lastRow; ++row) {
        const double y = static_cast<double>(row) * width;
        for (long long column = span.firstColumn; column <= span.lastColumn; ++column) {
            const long long wrapped = wrappedColumn(column, span.level);
            cells.push_back(Cell{MapRect{static_cast<double>(wrapped) * width, y, width, width},
                                 MapRect{static_cast<double>(column) * width, y, width, width},
                                 static_cast<std::uint32_t>(wrapped), static_cast<std::uint32_t>(row)});
        }
    }
    return cells;
}

std::string MapTileGrid::quadKey(std::uint32_t x, std::uint32_t y, int level) {
    std::string key;
    for (int bit = std::min(level, 32) - 1; bit >= 0; --bit) {
        const std::uint32_t mask = 1U << bit;
        key.push_back(static_cast<char>('0' + ((x & mask) != 0 ? 1 : 0) + ((y & mask) != 0 ? 2 : 0)));
    }
    return key;
}

}  // namespace platform::map
