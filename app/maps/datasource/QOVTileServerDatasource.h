#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/maps/cache/MapTileReceiver.h"
#include "app/maps/datasource/FailedTileBackOff.h"
#include "app/maps/model/QOVMapTileConfig.h"
#include "app/maps/model/QOVMapTileData.h"
#include "platform/base/OperationQueue.h"
#include "platform/map/MapRect.h"
#include "platform/net/HttpRequest.h"

namespace qov {

class TileImageRequest;

// What a tile request hands back: the tile (without image data when it could not be fetched) and the
// receiver the caller named, if any and if it still lives.
struct TileRequestResult {
    std::shared_ptr<QOVMapTileData> tile;
    std::optional<std::string> masterSeriesDate;  // the run of a forecast frame
    std::weak_ptr<MapTileReceiver> receiver;
};

// The HTTP client of the map tile server: the series list ("<series-list host>/TileServer/serieslist.do") and
// tile images ("<tile host>/TileServer/imgs/LAYER/DATE/QUADKEY.png", or ".../ff/LAYER/MASTER/DATE/QUADKEY.png"
// for a frame of a forecast run). Hosts come from the information list ("QOVTileSeriesListHost",
// "QOVTileImageHost") unless set.
//
// Tiles: a request for a URL already in flight joins it, and every waiter receives the one result. The body is
// decoded on the transfer's worker thread (TileImageRequest) and a delivered tile carries that picture. An answer other
// than 200 with a body that decodes as a PNG, a connection failure or a 20 s stall is retried once (the same URL);
// after that the waiters receive the tile without image data, and the URL pauses (FailedTileBackOff: 10 s, growing to
// 60 s while it keeps failing): a request for it during its pause is not sent, and receives the tile without image
// data on a later turn. retryFailedTilesNow() ends every pause. At most kTileTransfersAtOnce tiles are fetched at
// once, in the order they were asked for. Cancelling by receiver removes that receiver's waiters; a transfer left
// without waiters stops, and nothing of it is retried or delivered. Tiles run on tileOperationQueue(), the series
// list on operationQueue().
//
// Series list: a request while one is in flight joins it. Only a 2xx answer that parses as a series list
// reaches the actions; anything else is logged and reaches nobody, so the caller keeps what it had.
//
// Threads: requests and cancellations may come from any thread; results are delivered on the main loop, on a
// later turn, never under the client's lock. Actions are called as given: bind them weakly (platform::bindWeak).
// Owned by std::shared_ptr (create()).
class QOVTileServerDatasource : public std::enable_shared_from_this<QOVTileServerDatasource> {
public:
    using TileAction = std::function<void(const TileRequestResult&)>;
    using SeriesListAction = std::function<void(const std::shared_ptr<QOVMapTileConfig>&)>;

    static constexpr double kTimeOutSeconds = 20.0;
    // Tile transfers under way at once (each keeps its connection open for the next).
    static constexpr int kTileTransfersAtOnce = 8;
    static constexpr int kMaxRetries = 1;
    static constexpr const char* kSeriesListHostInfoKey = "QOVTileSeriesListHost";
    static constexpr const char* kTileHostInfoKey = "QOVTileImageHost";

    static std::shared_ptr<QOVTileServerDatasource> create();
    QOVTileServerDatasource();
    ~QOVTileServerDatasource();
    QOVTileServerDatasource(const QOVTileServerDatasource&) = delete;
    QOVTileServerDatasource& operator=(const QOVTileServerDatasource&) = delete;

    // Base URLs such as "http://127.0.0.1:8080" (no trailing "/").
    void setTileServerHosts(std::string seriesListBaseUrl, std::string tileBaseUrl);
    std::string seriesListUrl() const;
    // The tile's URL; nullopt when a part is not a usable name (MapTileNames).
    std::optional<std::string> tileUrl(const std::string& layer, const std::string& seriesDate,
                                       const std::optional<std::string>& masterSeriesDate,
                                       const std::string& quadKey) const;

    platform::OperationQueue& operationQueue() { return *m_operationQueue; }
    platform::OperationQueue& tileOperationQueue() { return *m_tileOperationQueue; }

    // Fetches a tile; the result reaches action. A request naming an unusable layer, date or quadkey is not
    // sent: action receives the tile without image data.
    void requestTileDataForLayer(const std::string& layer, const std::string& seriesDate,
                                 const std::optional<std::string>& masterSeriesDate, const std::string& quadKey,
                                 const platform::map::MapRect& mapRect, TileAction action,
                                 const std::shared_ptr<MapTileReceiver>& callbackObj);
    void requestSeriesListFromServer(SeriesListAction action);

    // Tiles that failed may be asked for at once (the network came back, a new series list came). A transfer
    // under way that fails after this starts no pause.
    void retryFailedTilesNow();

    void cancelAllTileRequestsForDelegate(const std::shared_ptr<MapTileReceiver>& callbackObj);
    void cancelAllTileRequests();
    void cancelAllConfigurationRequests();

    // Tile URLs requested and not yet finally answered or cancelled.
    std::size_t tileRequestsInFlight() const;

private:
    struct Waiter {
        TileAction action;
        std::weak_ptr<MapTileReceiver> receiver;
    };
    struct TileTransfer {
        std::shared_ptr<QOVMapTileData> tile;  // identity and map rect, no image data
        std::optional<std::string> masterSeriesDate;
        std::vector<Waiter> waiters;
        std::shared_ptr<platform::net::HttpRequest> request;  // the attempt under way
        std::uint64_t backOffGeneration = 0;                  // the back-off's when the tile was asked for
        int retries = 0;
    };

    void startAttempt(const std::string& url, TileTransfer& transfer);
    void tileAnswered(const std::string& url, TileImageRequest& request);
    void seriesListAnswered(platform::net::HttpRequest& request);
    static void deliver(const std::vector<Waiter>& waiters, const std::shared_ptr<QOVMapTileData>& tile,
                        const std::optional<std::string>& masterSeriesDate);
    // Hands the tile, as it stands, to the waiter on a later turn.
    static void deliverLater(Waiter waiter, std::shared_ptr<QOVMapTileData> tile,
                             std::optional<std::string> masterSeriesDate);

    mutable std::recursive_mutex m_mutex;
    std::string m_seriesListBaseUrl;
    std::string m_tileBaseUrl;
    std::unique_ptr<platform::OperationQueue> m_operationQueue;
    std::unique_ptr<platform::OperationQueue> m_tileOperationQueue;
    std::map<std::string, TileTransfer> m_requestsInFlight;
    FailedTileBackOff m_failedTiles;  // by URL
    std::shared_ptr<platform::net::HttpRequest> m_seriesListRequest;
    std::vector<SeriesListAction> m_seriesListActions;
};

}  // namespace qov
