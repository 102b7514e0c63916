#include <cmath>

#include "app/maps/cache/QOVMapCache.h"
#include "platform/base/Log.h"
#include "platform/map/MapTileGrid.h"

QOV_LOG_LEVEL(3)

namespace qov {

namespace {

// The levels of the 2^28-point world: level 20 maps one tile pixel to one map point.
constexpr int kPointLevel = 20;
constexpr double kTileSize = platform::map::MapTileGrid::kTilePoints;

bool isUsableScale(float zoomScale) { return std::isfinite(zoomScale) && zoomScale > 0.0F; }

// The rect's tile columns and rows at a level, ends included; rows clipped to the world.
struct TileSpan {
    long long minX = 0;
    long long maxX = -1;
    long long minY = 0;
    long long maxY = -1;

    long long columns() const { return maxX >= minX ? maxX - minX + 1 : 0; }
    long long rows() const { return maxY >= minY ? maxY - minY + 1 : 0; }
};

TileSpan spanOf(const platform::map::MapRect& mapRect, int level) {
    TileSpan span;
    const float factor = 1.0F / std::ldexp(1.0F, kPointLevel - level);
    const double tileWidth = kTileSize / factor;
    const double values[] = {mapRect.minX(), mapRect.maxX(), mapRect.minY(), mapRect.maxY()};
    for (double value : values) {
        if (!std::isfinite(value) || std::fabs(value) > 4.0 * platform::map::kMapWorldWidth) {
            return span;
        }
    }
    span.minX = static_cast<long long>(std::floor(mapRect.minX() / tileWidth));
    span.maxX = static_cast<long long>(std::floor(mapRect.maxX() / tileWidth));
    const long long lastRow = (1LL << level) - 1;
    span.minY = std::max(0LL, static_cast<long long>(std::floor(mapRect.minY() / tileWidth)));
    span.maxY = std::min(lastRow, static_cast<long long>(std::floor(mapRect.maxY() / tileWidth)));
    return span;
}

}  // namespace

int QOVMapCache::zoomLevelForZoomScale(float zoomScale) {
    const int rounded = static_cast<int>(std::floor(std::log2(zoomScale) + 0.5F));
    return std::clamp(kPointLevel + rounded, 0, kDeepestZoomLevel);
}

QOVMapCache::TileList QOVMapCache::tilesInMapRect(const platform::map::MapRect& mapRect, float zoomScale) {
    TileList tiles;
    if (!isUsableScale(zoomScale)) {
        return tiles;
    }
    const int level = zoomLevelForZoomScale(zoomScale);
    const TileSpan span = spanOf(mapRect, level);
    if (static_cast<double>(span.columns()) * static_cast<double>(span.rows()) >
        static_cast<double>(kMostTilesInRect)) {
        QOV_LOG_ERROR("A map rect of {} at zoom scale {} would need too many tiles", mapRect.description(), zoomScale);
        return tiles;
    }
    const double tileWidth = kTileSize * std::ldexp(1.0, kPointLevel - level);
    const long long columnsInWorld = 1LL << level;
    for (long long y = span.minY; y <= span.maxY; ++y) {
        for (long long x = span.minX; x <= span.maxX; ++x) {
            auto tile = std::make_shared<QOVMapTileData>();
            tile->setMapRect(platform::map::MapRect(static_cast<double>(x) * tileWidth,
                                                    static_cast<double>(y) * tileWidth, tileWidth, tileWidth));
            const long long column = ((x % columnsInWorld) + columnsInWorld) % columnsInWorld;
            tile->setQuadKey(quadKeyForX(static_cast<std::uint32_t>(column), static_cast<std::uint32_t>(y), level));
            tiles.push_back(std::move(tile));
        }
    }
    return tiles;
}

std::uint32_t QOVMapCache::rowsInFrameForMapRect(const platform::map::MapRect& mapRect, float zoomScale) {
    if (!isUsableScale(zoomScale)) {
        return 0;
    }
    return static_cast<std::uint32_t>(spanOf(mapRect, zoomLevelForZoomScale(zoomScale)).rows());
}

std::string QOVMapCache::quadKeyForX(std::uint32_t x, std::uint32_t y, int zoomLevel) {
    return platform::map::MapTileGrid::quadKey(x, y, zoomLevel);
}

}  // namespace qov
