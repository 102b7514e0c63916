#include "app/maps/overlay/QOVTileOverlay.h"

#include <fmt/format.h>

#include "app/core/categories/UIDeviceVessamy.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/overlay/QOVTileOverlayView.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(3)

namespace qov {

std::shared_ptr<QOVTileOverlay> QOVTileOverlay::create(const platform::map::MapRect& mapRect,
                                                       std::shared_ptr<QOVMapSeries> series, double alpha) {
    return std::shared_ptr<QOVTileOverlay>(new QOVTileOverlay(mapRect, std::move(series), alpha));
}

QOVTileOverlay::QOVTileOverlay(const platform::map::MapRect& mapRect, std::shared_ptr<QOVMapSeries> series,
                               double alpha)
    : m_series(std::move(series)),
      m_mapRect(mapRect),
      m_alpha(alpha),
      m_useCache(!UIDeviceVessamy::platform().starts_with("iPhone2,")) {}

std::shared_ptr<QOVTileOverlayView> QOVTileOverlay::view() {
    auto view = m_view.lock();
    if (!view) {
        view = std::make_shared<QOVTileOverlayView>(shared_from_this());
        view->setTileAlpha(m_alpha);
        m_view = view;
    }
    return view;
}

std::string QOVTileOverlay::cacheKeyForMapRect(const platform::map::MapRect& mapRect, float zoomScale) {
    return fmt::format("{{{{{:.1f}, {:.1f}}}, {{{:.1f}, {:.1f}}}}}:{:.6f}", mapRect.minX(), mapRect.minY(),
                       mapRect.size.width, mapRect.size.height, zoomScale);
}

std::shared_ptr<platform::ui::Image> QOVTileOverlay::cachedImageForKey(const std::string& key) const {
    const auto entry = m_imageCache.find(key);
    return entry == m_imageCache.end() ? nullptr : entry->second->image();
}

void QOVTileOverlay::cacheImage(std::shared_ptr<platform::ui::Image> image, const std::string& key) {
    m_imageCache[key] = std::make_shared<QOVImageCacheEntry>(std::move(image), key);
    if (m_imageCache.size() > kImageCacheLimit) {
        const std::uint64_t newest = QOVImageCacheEntry::currentCounter();
        const std::uint64_t threshold = newest > kImageCacheLimit ? newest - kImageCacheLimit : 0;
        std::erase_if(m_imageCache, [threshold](const auto& entry) { return entry.second->counter() < threshold; });
    }
}

std::shared_ptr<platform::ui::Image> QOVTileOverlay::tileImageForMapRect(const platform::map::MapRect& mapRect,
                                                                         float zoomScale) {
    if (!m_series) {
        QOV_LOG_WARN("No Seried Data, Ignore request for Tile Image");
        return nullptr;
    }
    if (zoomScale != m_zoomScale) {
        m_zoomScale = zoomScale;
        clearImageCache();
    }
    const std::string key = cacheKeyForMapRect(mapRect, zoomScale);
    if (auto image = cachedImageForKey(key)) {
        return image;
    }
    const auto grid = QOVMapCache::tilesInMapRect(mapRect, zoomScale);
    if (grid.empty() || m_quadKeysAwaited.contains(grid.front()->quadKey())) {
        return nullptr;
    }
    const auto cache = QOVMapCache::sharedInstance();
    if (!cache->hasCachedTileForSeries(m_series, mapRect, zoomScale, shared_from_this())) {
        m_quadKeysAwaited.insert(grid.front()->quadKey());
        return nullptr;
    }
    const auto tile = cache->cachedTileForSeries(m_series, mapRect, zoomScale);
    const auto bitmap = tile && tile->tileImageData() ? platform::gfx::Image::fromPNGData(
                                                            *tile->tileImageData(), platform::gfx::PngBounds::tile())
                                                      : nullptr;
    if (!bitmap) {
        return nullptr;
    }
    auto image = std::make_shared<platform::ui::Image>(bitmap, std::string(), zoomScale);
    if (m_useCache) {
        cacheImage(image, key);
    }
    return image;
}

void QOVTileOverlay::mapTileReceived(const std::shared_ptr<QOVMapTileData>& tile) {
    if (!tile) {
        return;
    }
    m_quadKeysAwaited.erase(tile->quadKey());
    if (!tile->tileImageData()) {
        return;
    }
    if (const auto view = m_view.lock()) {
        view->setNeedsDisplayInMapRect(tile->mapRect(), m_zoomScale);
    }
}

}  // namespace qov
