#include <algorithm>

#include "app/maps/cache/MapTileFileName.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/cache/TileFileRead.h"
#include "app/maps/cache/TileFileWrite.h"
#include "app/maps/cache/TileImageCheck.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(3)

namespace qov {

void QOVMapCache::deliverLater(const std::weak_ptr<MapTileReceiver>& receiver, std::shared_ptr<QOVMapTileData> tile) {
    platform::dispatchMain([receiver, tile = std::move(tile)] {
        if (const auto alive = receiver.lock()) {
            alive->mapTileReceived(tile);
        }
    });
}

std::shared_ptr<QOVMapTileData> QOVMapCache::readTileFile(const std::filesystem::path& path) {
    std::lock_guard lock(m_mutex);
    if (!cacheFileExistsForPath(path)) {
        return nullptr;
    }
    auto tile = createMapTileFromDataInCachePath(path);
    const auto problem = !tile || !tile->tileImageData() ? std::optional<std::string>("no tile picture")
                                                         : TileImageCheck::problem(*tile->tileImageData());
    if (problem) {
        QOV_LOG_ERROR("Removed the unusable map tile file {}: {}.", path.filename().string(), *problem);
        removeCacheFile(path);
        return nullptr;
    }
    return tile;
}

void QOVMapCache::fetchTile(const QOVMapSeries& series, const std::string& quadKey,
                            const platform::map::MapRect& mapRect, const std::shared_ptr<MapTileReceiver>& receiver) {
    // A tile fetched a moment ago whose file is still being written is not fetched again.
    if (const auto fileName = fileNameForSeries(series, quadKey)) {
        std::shared_ptr<QOVMapTileData> fetched;
        {
            std::lock_guard lock(m_mutex);
            if (const auto writing = m_tilesBeingWritten.find(*fileName); writing != m_tilesBeingWritten.end()) {
                fetched = std::make_shared<QOVMapTileData>(*writing->second);
            }
        }
        if (fetched) {
            fetched->setMapRect(mapRect);
            deliverLater(receiver, std::move(fetched));
            return;
        }
    }
    m_datasource->requestTileDataForLayer(
        series.layerName(), series.seriesDate(), series.masterSeriesDate(), quadKey, mapRect,
        platform::bindWeak(
            shared_from_this(),
            [](QOVMapCache& cache, const TileRequestResult& result) { cache.storeTileWithUserInfo(result); }),
        receiver);
}

void QOVMapCache::cachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series, const std::string& quadKey,
                                      const platform::map::MapRect& mapRect,
                                      const std::shared_ptr<MapTileReceiver>& receiver) {
    if (!series) {
        return;
    }
    if (auto file = existingTileFile(*series, quadKey)) {
        m_fileQueue->addOperation(
            std::make_shared<TileFileRead>(weak_from_this(), series, quadKey, std::move(*file), mapRect, receiver));
        return;
    }
    fetchTile(*series, quadKey, mapRect, receiver);
}

void QOVMapCache::cachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series,
                                      const platform::map::MapRect& mapRect, float zoomScale,
                                      const std::shared_ptr<MapTileReceiver>& receiver) {
    const TileList tiles = tilesInMapRect(mapRect, zoomScale);
    if (!series || tiles.empty()) {
        return;
    }
    const auto& first = tiles.front();
    if (auto tile = cachedTileForSeries(series, mapRect, zoomScale)) {
        deliverLater(receiver, std::move(tile));
        return;
    }
    fetchTile(*series, first->quadKey(), first->mapRect(), receiver);
}

bool QOVMapCache::hasCachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series,
                                         const platform::map::MapRect& mapRect, float zoomScale,
                                         const std::shared_ptr<MapTileReceiver>& receiver) {
    const TileList tiles = tilesInMapRect(mapRect, zoomScale);
    if (!series || tiles.empty()) {
        return false;
    }
    if (existingTileFile(*series, tiles.front()->quadKey())) {
        return true;
    }
    cachedTileForSeries(series, tiles.front()->quadKey(), tiles.front()->mapRect(), receiver);
    return false;
}

std::shared_ptr<QOVMapTileData> QOVMapCache::cachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series,
                                                                 const platform::map::MapRect& mapRect,
                                                                 float zoomScale) {
    const TileList tiles = tilesInMapRect(mapRect, zoomScale);
    if (!series || tiles.empty()) {
        return nullptr;
    }
    const auto fileName = fileNameForSeries(*series, tiles.front()->quadKey());
    return fileName ? readTileFile(cachesPathURLWithFileName(*fileName)) : nullptr;
}

QOVMapCache::TileList QOVMapCache::alreadyCachedTilesSeries(const std::shared_ptr<QOVMapSeries>& series,
                                                            const platform::map::MapRect& mapRect, float zoomScale) {
    TileList cached;
    if (!series) {
        return cached;
    }
    for (const auto& gridTile : tilesInMapRect(mapRect, zoomScale)) {
        const auto fileName = fileNameForSeries(*series, gridTile->quadKey());
        if (auto tile = fileName ? readTileFile(cachesPathURLWithFileName(*fileName)) : nullptr) {
            cached.push_back(std::move(tile));
        }
    }
    return cached;
}

QOVMapCache::TileList QOVMapCache::tilesToCacheForSeries(const std::shared_ptr<QOVMapSeries>& series,
                                                         const platform::map::MapRect& mapRect, float zoomScale) {
    TileList missing;
    if (!series) {
        return missing;
    }
    std::lock_guard lock(m_mutex);
    for (auto& gridTile : tilesInMapRect(mapRect, zoomScale)) {
        if (!existingTileFile(*series, gridTile->quadKey())) {
            missing.push_back(std::move(gridTile));
        }
    }
    return missing;
}

void QOVMapCache::cacheTiles(const TileList& tiles, const std::shared_ptr<QOVMapSeries>& series,
                             const std::shared_ptr<MapTileReceiver>& receiver) {
    for (const auto& tile : tiles) {
        if (tile) {
            cachedTileForSeries(series, tile->quadKey(), tile->mapRect(), receiver);
        }
    }
}

void QOVMapCache::storeTileWithUserInfo(const TileRequestResult& result) {
    if (!result.tile) {
        return;
    }
    const auto& tile = *result.tile;
    if (tile.tileImageData()) {
        // A forecast frame is filed under its run; the tile itself does not name the run.
        const MapTileFileName name{tile.layerName(), tile.seriesDate(), result.masterSeriesDate, tile.quadKey()};
        if (const auto fileName = name.text()) {
            {
                std::lock_guard lock(m_mutex);
                m_tilesBeingWritten[*fileName] = result.tile;
            }
            m_fileWriteQueue->addOperation(std::make_shared<TileFileWrite>(
                weak_from_this(), cachesPathURLWithFileName(*fileName), result.tile, result.receiver));
            return;
        }
    }
    deliverLater(result.receiver, result.tile);
}

void QOVMapCache::tileFileWritten(const std::filesystem::path& path) {
    std::lock_guard lock(m_mutex);
    m_tilesBeingWritten.erase(path.filename().string());
}

void QOVMapCache::cancelAllTileRequestsForDelegate(const std::shared_ptr<MapTileReceiver>& receiver) {
    if (receiver) {
        for (const auto& operation : m_fileQueue->operations()) {
            const auto read = std::dynamic_pointer_cast<TileFileRead>(operation);
            if (read && read->isFor(receiver)) {
                read->cancel();
            }
        }
    }
    m_datasource->cancelAllTileRequestsForDelegate(receiver);
}

void QOVMapCache::cancelAllTileRequests() {
    m_fileQueue->cancelAllOperations();
    m_datasource->cancelAllTileRequests();
}

void QOVMapCache::removeAllTileCaches() {
    m_fileWriteQueue->cancelAllOperations();
    std::lock_guard lock(m_mutex);
    for (const std::string& fileName : pathsForCurrentTileCacheFiles()) {
        removeCacheFile(cachesPathURLWithFileName(fileName));
    }
}

void QOVMapCache::startListeningForTileDataWithDelegate(const std::shared_ptr<MapTileReceiver>& listener) {
    if (!listener) {
        return;
    }
    platform::dispatchMain(
        platform::bindWeak(shared_from_this(), [weakListener = std::weak_ptr(listener)](QOVMapCache& cache) {
            const auto alive = weakListener.lock();
            std::lock_guard lock(cache.m_mutex);
            cache.m_tileCacheListeners.add(alive);
        }));
}

void QOVMapCache::stopListeningForTileDataWithDelegate(const std::shared_ptr<MapTileReceiver>& listener) {
    platform::dispatchMain(
        platform::bindWeak(shared_from_this(), [weakListener = std::weak_ptr(listener)](QOVMapCache& cache) {
            const auto alive = weakListener.lock();
            std::lock_guard lock(cache.m_mutex);
            cache.m_tileCacheListeners.remove(alive.get());
        }));
}

void QOVMapCache::notifyDelegatesForTileData(const std::shared_ptr<QOVMapTileData>& tile) {
    platform::dispatchMain(platform::bindWeak(shared_from_this(), [tile](QOVMapCache& cache) {
        std::vector<std::shared_ptr<MapTileReceiver>> listeners;
        {
            std::lock_guard lock(cache.m_mutex);
            listeners = cache.m_tileCacheListeners.snapshot();
        }
        for (const auto& listener : listeners) {
            listener->mapTileReceived(tile);
        }
    }));
}

}  // namespace qov
