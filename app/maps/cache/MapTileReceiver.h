#pragma once

#include <memory>

#include "app/maps/model/QOVMapTileData.h"

namespace qov {

// Receives tiles from the map tile cache: a requested tile once it is read from its file or fetched (without
// image data when the fetch finally failed, or failed a short while ago and is not asked for again yet), and, when
// registered as a tile listener, every tile the cache announces. Always called on the main loop, on a later turn than
// the request. Receivers are held weakly: one that is gone by then gets nothing.
class MapTileReceiver {
public:
    virtual ~MapTileReceiver() = default;
    virtual void mapTileReceived(const std::shared_ptr<QOVMapTileData>& tile) = 0;
};

}  // namespace qov
