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
    const int level = std::clamp(static_cast<int>(std::floor(zoom + 0.5F)) - 1, kMinLayerZoom, kTileGrid.maxLevel());
    return layer ? static_cast<int>(std::min<std::int64_t>(level, layer->maxZoom())) : level;
}

QOVTileLayerView::TileRange QOVTileLayerView::tileRangeFor(const platform::gfx::Rect& bounds,
                                                           const platform::gfx::AffineTransform& transform,
                                                           int layerZoomLevel) {
    // The layer's pixels at its level are the map's points scaled by a power of two: the same tiles.
    const int level = kTileGrid.levelWithin(layerZoomLevel);
    const double mapPoints = kTileGrid.tileWidth(level) / kTileSize;
    const platform::gfx::Rect pixels = transform.inverted().apply(bounds);
    const auto span =
        kTileGrid.spanCovering(platform::map::MapRect(pixels.x() * mapPoints, pixels.y() * mapPoints,
                                                      pixels.width() * mapPoints, pixels.height() * mapPoints),
                               level);
    if (span.cells() == 0) {
        return TileRange{};
    }
    return TileRange{static_cast<int>(span.firstColumn), static_cast<int>(span.lastColumn),
                     static_cast<int>(span.firstRow), static_cast<int>(span.lastRow)};
}

void QOVTileLayerView::calcTransform() {
    m_tileScalingFactor = m_drawViewSize / m_viewSize;
    m_viewTransform = platform::gfx::AffineTransform::translation(-m_centerPixel.x, -m_centerPixel.y)
                          .thenScale(m_tileScalingFactor, m_tileScalingFactor)
                          .thenTranslate(bounds().width() / 2.0, bounds().height() / 2.0);
    m_range = tileRangeFor(bounds(), m_viewTransform, m_layerZoomLevel);
}

}  // namespace qov
