#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/maps/cache/QOVMapCache.h"

namespace qov {

void QOVMapCache::cachedPOIType(std::int32_t type, const platform::map::MapRect& mapRect, float zoomScale,
                                const ApplicationCache::POIListCallback& callback) {
    if (type == 0) {
        return;
    }
    const TileList tiles = tilesInMapRect(mapRect, zoomScale);
    if (tiles.empty()) {
        return;
    }
    const auto cache = ApplicationCacheFactory::sharedInstance().cache();
    for (const auto& tile : tiles) {
        cache->cachedPOIType(type, tile->quadKey(), callback);
    }
}

}  // namespace qov
