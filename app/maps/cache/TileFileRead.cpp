#include "app/maps/cache/TileFileRead.h"

#include "app/maps/cache/QOVMapCache.h"
#include "platform/gfx/Image.h"

namespace qov {

TileFileRead::TileFileRead(std::weak_ptr<QOVMapCache> cache, std::shared_ptr<QOVMapSeries> series, std::string quadKey,
                           std::filesystem::path file, platform::map::MapRect mapRect,
                           std::weak_ptr<MapTileReceiver> receiver)
    : m_cache(std::move(cache)),
      m_series(std::move(series)),
      m_quadKey(std::move(quadKey)),
      m_file(std::move(file)),
      m_mapRect(mapRect),
      m_receiver(std::move(receiver)) {}

void TileFileRead::main() {
    const auto cache = m_cache.lock();
    if (!cache || isCancelled()) {
        return;
    }
    auto tile = cache->readTileFile(m_file);
    if (tile && !isCancelled()) {
        tile->setDecodedImage(
            platform::gfx::Image::fromPNGData(*tile->tileImageData(), platform::gfx::PngBounds::tile()));
        tile->setMapRect(m_mapRect);
    }
    m_tile = std::move(tile);
}

void TileFileRead::completeOnMainThread() {
    const auto cache = m_cache.lock();
    const auto receiver = m_receiver.lock();
    if (!cache || isCancelled()) {
        return;
    }
    if (m_tile && m_tile->decodedImage()) {
        if (receiver) {
            receiver->mapTileReceived(m_tile);
        }
        return;
    }
    cache->fetchTile(*m_series, m_quadKey, m_mapRect, receiver);
}

}  // namespace qov
