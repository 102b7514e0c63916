#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "app/legacymaps/net/AsyncURLRequestTypes.h"
#include "app/legacymaps/overlay/MapOverlayType.h"
#include "app/legacymaps/series/QOVLayer.h"
#include "app/legacymaps/series/QOVTileSeriesListener.h"
#include "platform/base/Date.h"
#include "platform/base/RunLoop.h"
#include "platform/base/WeakListenerList.h"

namespace qov {

class AsyncURLRequest;
class QOVTileSets;

// The older tile map's poller of the tile server's series list. One second after creation, and 300 s after
// each completed or failed request, it asks "/TileServer/serieslist.do?count=36" (XML) through AsyncURLRequest,
// reads the answer with QOVTileSeriesParser, replaces its model, tells QOVTileSets and its listeners.
// An answer that does not decode, or whose root is not "tiles", is a failure: the model stays, nobody is told,
// the timer is armed again. The model is empty (not loaded) until the first successful refresh.
//
// Threads: create it, and let it live, on the main thread; its timer, requests and listener calls run on the main
// loop. The model's lookups and the listener registry lock the object, so any thread may read and register.
// Listeners are held weakly and told outside the lock. Own it through std::shared_ptr (its timer and requests
// hold it weakly); destroying it stops the timer and cancels its request.
class QOVTileSeries : public std::enable_shared_from_this<QOVTileSeries> {
public:
    static constexpr double kFirstRequestDelay = 1.0;
    static constexpr double kRefreshInterval = 300.0;
    static constexpr const char* kSeriesListPath = "/TileServer/serieslist.do?count=36";
    static constexpr const char* kRequestUserData = "load-tile-series";

    // The tile host name of the information list: "%@" in it stands for a quad key's last digit, so the tiles
    // spread over four hosts.
    static constexpr const char* kTileHostsInfoKey = "QOVLegacyTileImageHosts";

    // The process instance, made on first use (on the main thread) with the tile hosts of the information list
    // ("QOVTileSeriesListHost", kTileHostsInfoKey).
    static std::shared_ptr<QOVTileSeries> sharedInstance();
    // Replaces the process instance (the runner and tests point it at the stand-in service); nullptr forgets it.
    static void setSharedInstance(std::shared_ptr<QOVTileSeries> instance);
    // A poller of the series list at seriesListBaseUrl ("http://host:port") whose tile URLs start with
    // tileBaseUrl, where each "%@" becomes the quad key's last digit ("http://t%@.example.net"); its first
    // request is 1 s away.
    static std::shared_ptr<QOVTileSeries> create(std::string seriesListBaseUrl, std::string tileBaseUrl);

    QOVTileSeries(std::string seriesListBaseUrl, std::string tileBaseUrl);
    ~QOVTileSeries();
    QOVTileSeries(const QOVTileSeries&) = delete;
    QOVTileSeries& operator=(const QOVTileSeries&) = delete;

    void addListener(const std::shared_ptr<QOVTileSeriesListener>& listener);
    void removeListener(const QOVTileSeriesListener* listener);

    bool loaded() const;
    std::optional<platform::Date> lastRefreshed() const;
    std::string timeStamp() const;
    std::string localZone() const;
    std::int64_t offset() const;
    std::map<std::string, std::shared_ptr<QOVLayer>> layers() const;
    // nullptr before the first refresh or when the list has no such layer.
    std::shared_ptr<QOVLayer> layerWithName(const std::string& name) const;
    // The layer "KEY" of the overlay's key specifier, or "future_KEY_ff" for its forecast.
    std::shared_ptr<QOVLayer> layerWithType(const MapOverlayType::Ptr& type, bool forFuture) const;

    // "<tile host of q>/TileServer/PATH/SERIES/TIME/QUADKEY.png" from series id a, quad key q, series time t (one or
    // more segments joined by "/") and image folder p, every segment percent-encoded. The empty text when the
    // quad key is empty or any segment is empty or holds "..".
    std::string buildImageURL(const std::string& seriesId, const std::string& quadKey, const std::string& timeStamp,
                              const std::string& path) const;

    // Main loop.
    void requestMapData();
    void startTimer();
    void stopTimer();
    void requestComplete(const platform::Value& userData, const platform::Value& result);
    void requestFailed(const platform::Value& userData, const AsyncURLRequestError& error);

    void setTileSets(QOVTileSets& tileSets) { m_tileSets = &tileSets; }

private:
    void scheduleRequest(double seconds);

    const std::string m_seriesListBaseUrl;
    const std::string m_tileBaseUrl;
    QOVTileSets* m_tileSets;

    mutable std::recursive_mutex m_mutex;
    std::optional<platform::Date> m_lastRefreshed;
    std::string m_timeStamp;
    std::string m_localZone;
    std::int64_t m_offset = 0;
    std::map<std::string, std::shared_ptr<QOVLayer>> m_layers;
    platform::WeakListenerList<QOVTileSeriesListener> m_listeners;

    std::shared_ptr<platform::Timer> m_timer;
    std::weak_ptr<AsyncURLRequest> m_request;
};

}  // namespace qov
