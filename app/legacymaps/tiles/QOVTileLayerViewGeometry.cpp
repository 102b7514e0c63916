// The layer's grid and projection: quad keys and Web Mercator pixels (the map's own, platform/map) and the tiles
// in view.
#include <algorithm>
#include <cmath>

#include "app/legacymaps/tiles/QOVTileLayerView.h"
#include "platform/map/MapProjection.h"
#include "platform/map/MapTileGrid.h"

namespace qov {

namespace {
constexpr int kMinLayerZoom = 1;
constexpr int kMaxLayerZoom = 19;

double worldSize(int zoomLevel, int tileSize) { return std::ldexp(1.0, zoomLevel) * tileSize; }
}  // namespace

std::string QOVTileLayerView::quadKeyForX(int x, int y, int zoomLevel) {
    return platform::map::MapTileGrid::quadKey(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), zoomLevel);
}

bool QOVTileLayerView::isEuroRad(platform::gfx::Point point) {
    return point.y >= 35.0 && point.y <= 60.0 && point.x >= -15.0 && point.x <= 19.0;
}

platform::gfx::Point QOVTileLayerView::pixelForPoint(platform::gfx::Point point, int zoomLevel, int tileSize) {
    const double size = worldSize(zoomLevel, tileSize);
    return platform::gfx::Point{platform::map::mercatorX(std::clamp(point.x, -kMaxLongitude, kMaxLongitude), size),
                                platform::map::mercatorY(point.y, size)};
}

platform::gfx::Point QOVTileLayerView::pointForPixel(platform::gfx::Point pixel, int zoomLevel, int tileSize) {
    const double size = worldSize(zoomLevel, tileSize);
    return platform::gfx::Point{platform::map::longitudeForMercatorX(std::clamp(pixel.x, 0.0, size - 1.0), size),
                                platform::map::latitudeForMercatorY(std::clamp(pixel.y, 0.0, size - 1.0), size)};
}

int QOVTileLayerView::zoomLevelForLayer(const QOVLayer* layer, float zoom) {
    const int level = std::clamp(static_cast<int>(std::floor(zoom + 0.5F)) - 1, kMinLayerZoom, kMaxLayerZoom);
    return layer ? static_cast<int>(std::min<std::int64_t>(level, layer->maxZoom())) : level;
}

QOVTileLayerView::TileRange QOVTileLayerView::tileRangeFor(const platform::gfx::Rect& bounds,
                                                           const platform::gfx::AffineTransform& transform,
                                                           int layerZoomLevel) {
    const platform::gfx::Rect pixels = transform.inverted().apply(bounds);
    const double tiles = std::ldexp(1.0, std::max(layerZoomLevel, 0));
    TileRange range;
    if (!std::isfinite(pixels.x()) || !std::isfinite(pixels.y()) || !std::isfinite(pixels.maxX()) ||
        !std::isfinite(pixels.maxY())) {
        return range;
    }
    range.firstColumn = static_cast<int>(std::clamp(std::floor(pixels.x() / kTileSize), -tiles, 2.0 * tiles));
    range.lastColumn =
        static_cast<int>(std::clamp(std::floor(pixels.maxX() / kTileSize), -tiles, range.firstColumn + tiles - 1.0));
    range.firstRow = static_cast<int>(std::max(std::floor(pixels.y() / kTileSize), 0.0));
    range.lastRow = static_cast<int>(std::min(std::floor(pixels.maxY() / kTileSize), tiles - 1.0));
    return range;
}

void QOVTileLayerView::calcTransform() {
    m_tileScalingFactor = m_drawViewSize / m_viewSize;
    m_viewTransform = platform::gfx::AffineTransform::translation(-m_centerPixel.x, -m_centerPixel.y)
                          .thenScale(m_tileScalingFactor, m_tileScalingFactor)
                          .thenTranslate(bounds().width() / 2.0, bounds().height() / 2.0);
    m_range = tileRangeFor(bounds(), m_viewTransform, m_layerZoomLevel);
    fitTileCacheToLoop();
}

}  // namespace qov
