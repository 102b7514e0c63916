#include <cmath>

#include "app/maps/cache/QOVMapCache.h"
#include "platform/base/Log.h"
#include "platform/map/MapTileGrid.h"

QOV_LOG_LEVEL(3)

namespace qov {

namespace {

// The levels of the 2^28-point world: level 20 maps one tile pixel to one map point.
constexpr int kPointLevel = 20;
constexpr platform::map::MapTileGrid kGrid{QOVMapCache::kDeepestZoomLevel};

bool isUsableScale(float zoomScale) { return std::isfinite(zoomScale) && zoomScale > 0.0F; }

}  // namespace

int QOVMapCache::zoomLevelForZoomScale(float zoomScale) {
    const int rounded = static_cast<int>(std::floor(std::log2(zoomScale) + 0.5F));
    return kGrid.levelWithin(kPointLevel + rounded);
}

QOVMapCache::TileList QOVMapCache::tilesInMapRect(const platform::map::MapRect& mapRect, float zoomScale) {
    TileList tiles;
    if (!isUsableScale(zoomScale)) {
        return tiles;
    }
    const int level = zoomLevelForZoomScale(zoomScale);
    if (kGrid.spanCovering(mapRect, level).cells() > platform::map::MapTileGrid::kMaxCells) {
        QOV_LOG_ERROR("A map rect of {} at zoom scale {} would need too many tiles", mapRect.description(), zoomScale);
        return tiles;
    }
    for (const auto& cell : kGrid.cellsCovering(mapRect, level)) {
        auto tile = std::make_shared<QOVMapTileData>();
        tile->setMapRect(cell.placed);
        tile->setQuadKey(quadKeyForX(cell.column, cell.row, level));
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

std::uint32_t QOVMapCache::rowsInFrameForMapRect(const platform::map::MapRect& mapRect, float zoomScale) {
    if (!isUsableScale(zoomScale)) {
        return 0;
    }
    return static_cast<std::uint32_t>(kGrid.spanCovering(mapRect, zoomLevelForZoomScale(zoomScale)).rows());
}

std::string QOVMapCache::quadKeyForX(std::uint32_t x, std::uint32_t y, int zoomLevel) {
    return platform::map::MapTileGrid::quadKey(x, y, zoomLevel);
}

}  // namespace qov
