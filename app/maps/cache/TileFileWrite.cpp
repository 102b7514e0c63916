#include "app/maps/cache/TileFileWrite.h"

#include "app/maps/cache/QOVMapCache.h"

namespace qov {

TileFileWrite::TileFileWrite(std::weak_ptr<QOVMapCache> cache, std::filesystem::path path,
                             std::shared_ptr<QOVMapTileData> tile, std::weak_ptr<MapTileReceiver> receiver)
    : m_cache(std::move(cache)), m_path(std::move(path)), m_tile(std::move(tile)), m_receiver(std::move(receiver)) {}

void TileFileWrite::main() {
    const auto cache = m_cache.lock();
    if (!cache) {
        return;
    }
    std::lock_guard lock(cache->m_mutex);
    if (!isCancelled()) {
        cache->createOrReplaceFile(m_path, *m_tile);
    }
}

void TileFileWrite::completeOnMainThread() {
    if (const auto cache = m_cache.lock()) {
        cache->tileFileWritten(m_path);
    }
    if (const auto receiver = m_receiver.lock()) {
        receiver->mapTileReceived(m_tile);
    }
}

}  // namespace qov
