#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "app/legacymaps/series/QOVTileSetsListener.h"
#include "platform/base/WeakListenerList.h"

namespace qov {

class QOVTileSeries;

// The listeners of the older tile map's overlays, grouped by overlay key. Listeners are held weakly (an expired
// one is skipped and dropped), each at most once per key, and told in the order they registered.
//
// Any thread; the registry is locked while it changes. notifyAllListeners() calls the listeners on the calling
// thread from a snapshot taken under the lock, so a listener may register or unregister while it is told.
class QOVTileSets {
public:
    static QOVTileSets& sharedInstance();

    void registerListener(const std::shared_ptr<QOVTileSetsListener>& listener, const std::string& key);
    void unregisterListener(const std::shared_ptr<QOVTileSetsListener>& listener, const std::string& key);
    // Each listener of each key is sent tilesUpdatedForOverlay with that key.
    void notifyAllListeners();
    // Told by the series poller after each refresh; the tile sets keep nothing of it.
    void mapSeriesUpdated(const QOVTileSeries& series);

private:
    std::recursive_mutex m_mutex;
    std::map<std::string, platform::WeakListenerList<QOVTileSetsListener>> m_listeners;
};

}  // namespace qov
