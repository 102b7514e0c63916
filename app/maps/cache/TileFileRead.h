#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/maps/cache/MapTileReceiver.h"
#include "app/maps/model/QOVMapSeries.h"
#include "platform/base/OperationQueue.h"
#include "platform/map/MapRect.h"

namespace qov {

class QOVMapCache;

// Reads one tile's file and decodes its picture on a worker thread, so that neither the file nor the PNG costs
// the main loop; the delivered tile carries the picture as a fetched one does. On the main loop it then hands
// the tile (with the map rect it was asked for) to the receiver, or, when the file no longer reads (the cache
// deletes it), fetches the tile for the receiver instead. A cancelled read does neither.
//
// Threads: made and queued on any thread; main() runs on a worker, the completion on the main loop. The cache
// and the receiver are held weakly.
class TileFileRead : public platform::Operation {
public:
    TileFileRead(std::weak_ptr<QOVMapCache> cache, std::shared_ptr<QOVMapSeries> series, std::string quadKey,
                 std::filesystem::path file, platform::map::MapRect mapRect, std::weak_ptr<MapTileReceiver> receiver);

    // Any thread: whether this read is for the receiver.
    bool isFor(const std::shared_ptr<MapTileReceiver>& receiver) const { return m_receiver.lock() == receiver; }

protected:
    void main() override;
    void completeOnMainThread() override;

private:
    const std::weak_ptr<QOVMapCache> m_cache;
    const std::shared_ptr<QOVMapSeries> m_series;
    const std::string m_quadKey;
    const std::filesystem::path m_file;
    const platform::map::MapRect m_mapRect;
    const std::weak_ptr<MapTileReceiver> m_receiver;
    std::shared_ptr<QOVMapTileData> m_tile;  // written on the worker, read in the completion after it
};

}  // namespace qov
