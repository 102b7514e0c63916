#pragma once

#include <filesystem>
#include <memory>

#include "app/maps/cache/MapTileReceiver.h"
#include "app/maps/model/QOVMapTileData.h"
#include "platform/base/OperationQueue.h"

namespace qov {

class QOVMapCache;

// Writes one fetched tile's file on a worker thread, then hands the tile to its receiver on the main loop, so
// that archiving and creating the file never hold up the main loop and a receiver that looks for the file when
// the tile arrives finds it. A write cancelled before it takes the cache's lock writes nothing (the cache cancels
// its pending writes before it deletes tile files); the tile is delivered all the same. The cache counts the tile
// as being written until the completion.
//
// Threads: made and queued on any thread; main() runs on a worker under the cache's lock, the completion on the
// main loop. The cache and the receiver are held weakly; the tile is shared with the receiver, which only reads it.
class TileFileWrite : public platform::Operation {
public:
    TileFileWrite(std::weak_ptr<QOVMapCache> cache, std::filesystem::path path, std::shared_ptr<QOVMapTileData> tile,
                  std::weak_ptr<MapTileReceiver> receiver);

protected:
    void main() override;
    void completeOnMainThread() override;

private:
    const std::weak_ptr<QOVMapCache> m_cache;
    const std::filesystem::path m_path;
    const std::shared_ptr<QOVMapTileData> m_tile;
    const std::weak_ptr<MapTileReceiver> m_receiver;
};

}  // namespace qov
