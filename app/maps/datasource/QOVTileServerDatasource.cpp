#include "app/maps/datasource/QOVTileServerDatasource.h"

#include <algorithm>

#include <fmt/format.h>

#include "app/core/datasource/TileHostURL.h"
#include "app/maps/datasource/TileImageRequest.h"
#include "app/maps/model/MapSeriesBuilder.h"
#include "app/maps/model/MapTileNames.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"

QOV_LOG_LEVEL(7)

namespace qov {

std::shared_ptr<QOVTileServerDatasource> QOVTileServerDatasource::create() {
    return std::make_shared<QOVTileServerDatasource>();
}

QOVTileServerDatasource::QOVTileServerDatasource()
    : m_seriesListBaseUrl(tileHostURLForInfoKey(kSeriesListHostInfoKey)),
      m_tileBaseUrl(tileHostURLForInfoKey(kTileHostInfoKey)),
      m_operationQueue(std::make_unique<platform::OperationQueue>()),
      m_tileOperationQueue(std::make_unique<platform::OperationQueue>(kTileTransfersAtOnce)) {}

QOVTileServerDatasource::~QOVTileServerDatasource() {
    m_tileOperationQueue->cancelAllOperations();
    m_operationQueue->cancelAllOperations();
}

void QOVTileServerDatasource::setTileServerHosts(std::string seriesListBaseUrl, std::string tileBaseUrl) {
    std::lock_guard lock(m_mutex);
    m_seriesListBaseUrl = std::move(seriesListBaseUrl);
    m_tileBaseUrl = std::move(tileBaseUrl);
}

std::string QOVTileServerDatasource::seriesListUrl() const {
    std::lock_guard lock(m_mutex);
    return m_seriesListBaseUrl + "/TileServer/serieslist.do";
}

std::optional<std::string> QOVTileServerDatasource::tileUrl(const std::string& layer, const std::string& seriesDate,
                                                            const std::optional<std::string>& masterSeriesDate,
                                                            const std::string& quadKey) const {
    if (!MapTileNames::isTile(layer, seriesDate, masterSeriesDate, quadKey)) {
        return std::nullopt;
    }
    std::lock_guard lock(m_mutex);
    if (masterSeriesDate) {
        return fmt::format("{}/TileServer/ff/{}/{}/{}/{}.png", m_tileBaseUrl, layer, *masterSeriesDate, seriesDate,
                           quadKey);
    }
    return fmt::format("{}/TileServer/imgs/{}/{}/{}.png", m_tileBaseUrl, layer, seriesDate, quadKey);
}

void QOVTileServerDatasource::requestTileDataForLayer(const std::string& layer, const std::string& seriesDate,
                                                      const std::optional<std::string>& masterSeriesDate,
                                                      const std::string& quadKey, const platform::map::MapRect& mapRect,
                                                      TileAction action,
                                                      const std::shared_ptr<MapTileReceiver>& callbackObj) {
    auto tile = std::make_shared<QOVMapTileData>();
    tile->setLayerName(layer);
    tile->setSeriesDate(seriesDate);
    tile->setQuadKey(quadKey);
    tile->setMapRect(mapRect);
    Waiter waiter{std::move(action), callbackObj};

    const auto url = tileUrl(layer, seriesDate, masterSeriesDate, quadKey);
    if (!url) {
        QOV_LOG_ERROR("Refused a tile request with an unusable name: layer={}, series={}, quadKey={}", layer,
                      seriesDate, quadKey);
        deliverLater(std::move(waiter), std::move(tile), masterSeriesDate);
        return;
    }
    std::lock_guard lock(m_mutex);
    if (const auto entry = m_requestsInFlight.find(*url); entry != m_requestsInFlight.end()) {
        entry->second.waiters.push_back(std::move(waiter));
        return;
    }
    if (!m_failedTiles.mayAsk(*url)) {
        deliverLater(std::move(waiter), std::move(tile), masterSeriesDate);
        return;
    }
    TileTransfer& transfer = m_requestsInFlight[*url];
    transfer.waiters.push_back(std::move(waiter));
    transfer.tile = std::move(tile);
    transfer.masterSeriesDate = masterSeriesDate;
    transfer.backOffGeneration = m_failedTiles.generation();
    startAttempt(*url, transfer);
}

void QOVTileServerDatasource::deliverLater(Waiter waiter, std::shared_ptr<QOVMapTileData> tile,
                                           std::optional<std::string> masterSeriesDate) {
    platform::dispatchMain(
        [waiters = std::vector<Waiter>{std::move(waiter)}, tile = std::move(tile),
         masterSeriesDate = std::move(masterSeriesDate)] { deliver(waiters, tile, masterSeriesDate); });
}

void QOVTileServerDatasource::startAttempt(const std::string& url, TileTransfer& transfer) {
    auto request = std::make_shared<TileImageRequest>(url);
    request->setTimeOutSeconds(kTimeOutSeconds);
    auto answered = platform::bindWeak(weak_from_this().lock(),
                                       [url](QOVTileServerDatasource& self, platform::net::HttpRequest& request) {
                                           // Tile transfers are all TileImageRequests (startAttempt makes them).
                                           self.tileAnswered(url, static_cast<TileImageRequest&>(request));
                                       });
    request->setOnFinished(answered);
    request->setOnFailed(answered);
    transfer.request = request;
    m_tileOperationQueue->addOperation(std::move(request));
}

void QOVTileServerDatasource::tileAnswered(const std::string& url, TileImageRequest& request) {
    std::vector<Waiter> waiters;
    std::shared_ptr<QOVMapTileData> tile;
    std::optional<std::string> masterSeriesDate;
    {
        std::lock_guard lock(m_mutex);
        const auto entry = m_requestsInFlight.find(url);
        // A cancelled transfer, or one replaced after a cancellation, delivers nothing.
        if (entry == m_requestsInFlight.end() || entry->second.request.get() != &request || request.isCancelled()) {
            return;
        }
        TileTransfer& transfer = entry->second;
        const bool answered = !request.error();
        if (request.picture()) {
            tile = transfer.tile;
            tile->setTileImageData(request.responseData());
            tile->setDecodedImage(request.picture());
            m_failedTiles.succeeded(url);
        } else if (transfer.retries < kMaxRetries) {
            ++transfer.retries;
            startAttempt(url, transfer);
            return;
        } else {
            if (answered) {
                QOV_LOG_WARN("(max retries reached) tile request response={}, quadkey={}, url={}",
                             request.responseStatusCode(), transfer.tile->quadKey(), url);
            }
            tile = transfer.tile;
            m_failedTiles.failed(url, transfer.backOffGeneration);
        }
        waiters = std::move(transfer.waiters);
        masterSeriesDate = transfer.masterSeriesDate;
        m_requestsInFlight.erase(entry);
    }
    deliver(waiters, tile, masterSeriesDate);
}

void QOVTileServerDatasource::deliver(const std::vector<Waiter>& waiters, const std::shared_ptr<QOVMapTileData>& tile,
                                      const std::optional<std::string>& masterSeriesDate) {
    for (const Waiter& waiter : waiters) {
        if (waiter.action) {
            waiter.action(TileRequestResult{tile, masterSeriesDate, waiter.receiver});
        }
    }
}

void QOVTileServerDatasource::requestSeriesListFromServer(SeriesListAction action) {
    std::lock_guard lock(m_mutex);
    m_seriesListActions.push_back(std::move(action));
    if (m_seriesListRequest) {
        return;
    }
    m_seriesListRequest =
        std::make_shared<platform::net::HttpRequest>(m_seriesListBaseUrl + "/TileServer/serieslist.do");
    m_seriesListRequest->setTimeOutSeconds(kTimeOutSeconds);
    auto answered = platform::bindWeak(
        weak_from_this().lock(),
        [](QOVTileServerDatasource& self, platform::net::HttpRequest& request) { self.seriesListAnswered(request); });
    m_seriesListRequest->setOnFinished(answered);
    m_seriesListRequest->setOnFailed(answered);
    m_operationQueue->addOperation(m_seriesListRequest);
}

void QOVTileServerDatasource::seriesListAnswered(platform::net::HttpRequest& request) {
    std::vector<SeriesListAction> actions;
    {
        std::lock_guard lock(m_mutex);
        if (m_seriesListRequest.get() != &request || request.isCancelled()) {
            return;
        }
        m_seriesListRequest = nullptr;
        actions = std::move(m_seriesListActions);
        m_seriesListActions.clear();
    }
    if (request.error()) {
        QOV_LOG_ERROR("request for map tile series list failed.");
        return;
    }
    const int status = request.responseStatusCode();
    if (status < 200 || status > 299) {
        QOV_LOG_ERROR("The map tile series list answered status {}; the configuration is kept", status);
        return;
    }
    auto builder = MapSeriesBuilder::create();
    builder->buildWithXML(request.responseData());
    if (!builder->tileConfig()) {
        QOV_LOG_ERROR("The map tile series list holds no configuration; the configuration is kept");
        return;
    }
    for (const auto& action : actions) {
        if (action) {
            action(builder->tileConfig());
        }
    }
}

void QOVTileServerDatasource::retryFailedTilesNow() {
    std::lock_guard lock(m_mutex);
    m_failedTiles.forgetAll();
}

void QOVTileServerDatasource::cancelAllTileRequestsForDelegate(const std::shared_ptr<MapTileReceiver>& callbackObj) {
    if (!callbackObj) {
        return;
    }
    std::lock_guard lock(m_mutex);
    for (auto entry = m_requestsInFlight.begin(); entry != m_requestsInFlight.end();) {
        auto& waiters = entry->second.waiters;
        std::erase_if(waiters, [&](const Waiter& waiter) { return waiter.receiver.lock() == callbackObj; });
        if (waiters.empty()) {
            entry->second.request->cancel();
            entry = m_requestsInFlight.erase(entry);
        } else {
            ++entry;
        }
    }
}

void QOVTileServerDatasource::cancelAllTileRequests() {
    std::lock_guard lock(m_mutex);
    for (auto& [url, transfer] : m_requestsInFlight) {
        transfer.request->cancel();
    }
    m_requestsInFlight.clear();
}

void QOVTileServerDatasource::cancelAllConfigurationRequests() {
    std::lock_guard lock(m_mutex);
    if (m_seriesListRequest) {
        m_seriesListRequest->cancel();
        m_seriesListRequest = nullptr;
    }
    m_seriesListActions.clear();
}

std::size_t QOVTileServerDatasource::tileRequestsInFlight() const {
    std::lock_guard lock(m_mutex);
    return m_requestsInFlight.size();
}

}  // namespace qov
