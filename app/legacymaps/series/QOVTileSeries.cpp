#include "app/legacymaps/series/QOVTileSeries.h"

#include <fmt/format.h>

#include "app/core/datasource/TileHostURL.h"
#include "app/legacymaps/net/AsyncURLRequest.h"
#include "app/legacymaps/series/QOVTileSeriesParser.h"
#include "app/legacymaps/series/QOVTileSets.h"
#include "app/legacymaps/series/TilePathSegment.h"
#include "platform/base/Callback.h"
#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(7)

namespace qov {

namespace {

platform::ProcessSlot<QOVTileSeries>& sharedInstanceSlot() {
    static platform::ProcessSlot<QOVTileSeries> slot;
    return slot;
}

}  // namespace

std::shared_ptr<QOVTileSeries> QOVTileSeries::sharedInstance() {
    return sharedInstanceSlot().instance([] {
        return create(tileHostURLForInfoKey("QOVTileSeriesListHost"), tileHostURLForInfoKey(kTileHostsInfoKey));
    });
}

void QOVTileSeries::setSharedInstance(std::shared_ptr<QOVTileSeries> instance) {
    sharedInstanceSlot().exchange(std::move(instance));
}

std::shared_ptr<QOVTileSeries> QOVTileSeries::create(std::string seriesListBaseUrl, std::string tileBaseUrl) {
    auto series = std::make_shared<QOVTileSeries>(std::move(seriesListBaseUrl), std::move(tileBaseUrl));
    series->scheduleRequest(kFirstRequestDelay);
    return series;
}

QOVTileSeries::QOVTileSeries(std::string seriesListBaseUrl, std::string tileBaseUrl)
    : m_seriesListBaseUrl(std::move(seriesListBaseUrl)),
      m_tileBaseUrl(std::move(tileBaseUrl)),
      m_tileSets(&QOVTileSets::sharedInstance()) {}

QOVTileSeries::~QOVTileSeries() {
    stopTimer();
    if (const auto request = m_request.lock()) {
        request->cancel();
    }
}

void QOVTileSeries::addListener(const std::shared_ptr<QOVTileSeriesListener>& listener) {
    std::lock_guard lock(m_mutex);
    m_listeners.add(listener);
}

void QOVTileSeries::removeListener(const QOVTileSeriesListener* listener) {
    std::lock_guard lock(m_mutex);
    m_listeners.remove(listener);
}

bool QOVTileSeries::loaded() const {
    std::lock_guard lock(m_mutex);
    return m_lastRefreshed.has_value();
}

std::optional<platform::Date> QOVTileSeries::lastRefreshed() const {
    std::lock_guard lock(m_mutex);
    return m_lastRefreshed;
}

std::string QOVTileSeries::timeStamp() const {
    std::lock_guard lock(m_mutex);
    return m_timeStamp;
}

std::string QOVTileSeries::localZone() const {
    std::lock_guard lock(m_mutex);
    return m_localZone;
}

std::int64_t QOVTileSeries::offset() const {
    std::lock_guard lock(m_mutex);
    return m_offset;
}

std::map<std::string, std::shared_ptr<QOVLayer>> QOVTileSeries::layers() const {
    std::lock_guard lock(m_mutex);
    return m_layers;
}

std::shared_ptr<QOVLayer> QOVTileSeries::layerWithName(const std::string& name) const {
    std::lock_guard lock(m_mutex);
    if (!m_lastRefreshed) {
        return nullptr;
    }
    const auto found = m_layers.find(name);
    return found == m_layers.end() ? nullptr : found->second;
}

std::shared_ptr<QOVLayer> QOVTileSeries::layerWithType(const MapOverlayType::Ptr& type, bool forFuture) const {
    if (!type) {
        return nullptr;
    }
    return layerWithName(forFuture ? fmt::format("future_{}_ff", type->keySpecifier()) : type->keySpecifier());
}

std::string QOVTileSeries::buildImageURL(const std::string& seriesId, const std::string& quadKey,
                                         const std::string& timeStamp, const std::string& path) const {
    if (quadKey.empty()) {
        return {};
    }
    // The host carries the quad key's last digit.
    std::string url = m_tileBaseUrl;
    for (auto at = url.find("%@"); at != std::string::npos; at = url.find("%@", at + 1)) {
        url.replace(at, 2, 1, quadKey.back());
    }
    url += "/TileServer";
    const auto append = [&url](std::string_view segment) {
        const auto encoded = TilePathSegment::encoded(segment);
        if (encoded) {
            url += "/" + *encoded;
        }
        return encoded.has_value();
    };
    if (!append(path) || !append(seriesId)) {
        return {};
    }
    std::string_view time(timeStamp);
    for (;;) {
        const auto slash = time.find('/');
        if (!append(time.substr(0, slash))) {
            return {};
        }
        if (slash == std::string_view::npos) {
            break;
        }
        time.remove_prefix(slash + 1);
    }
    if (!append(quadKey)) {
        return {};
    }
    return url + ".png";
}

void QOVTileSeries::requestMapData() {
    m_request = AsyncURLRequest::asyncURLRequest(
        m_seriesListBaseUrl + kSeriesListPath, RequestDataType::XML, kRequestUserData,
        AsyncURLRequest::kNoPriorityOverride,
        AsyncURLRequestTargets{platform::bindWeak(shared_from_this(), &QOVTileSeries::requestComplete),
                               platform::bindWeak(shared_from_this(), &QOVTileSeries::requestFailed)});
}

void QOVTileSeries::startTimer() { scheduleRequest(kRefreshInterval); }

void QOVTileSeries::stopTimer() {
    if (m_timer) {
        m_timer->invalidate();
        m_timer.reset();
    }
}

void QOVTileSeries::scheduleRequest(double seconds) {
    stopTimer();
    m_timer = platform::RunLoop::main().scheduleTimer(
        seconds, false, platform::bindWeak(shared_from_this(), [](QOVTileSeries& series, platform::Timer&) {
            series.m_timer.reset();
            series.requestMapData();
        }));
}

void QOVTileSeries::requestFailed(const platform::Value&, const AsyncURLRequestError& error) {
    QOV_LOG_WARN("The tile series list could not be loaded: {} {} {}", error.domain, error.code,
                 error.localizedDescription);
    startTimer();
}

void QOVTileSeries::requestComplete(const platform::Value&, const platform::Value& result) {
    stopTimer();
    QOVTileSeriesParser parser;
    const auto* root = result.ifDictionary();
    if (!root || !parser.parse(*root)) {
        QOV_LOG_WARN("The tile series list is not a series list; the previous one is kept");
        startTimer();
        return;
    }
    std::vector<std::shared_ptr<QOVTileSeriesListener>> listeners;
    {
        std::lock_guard lock(m_mutex);
        m_timeStamp = parser.timeStamp();
        m_localZone = parser.localZone();
        m_offset = parser.offset();
        m_layers = parser.layers();
        m_lastRefreshed = platform::Clock::shared()->now();
        listeners = m_listeners.snapshot();
    }
    m_tileSets->mapSeriesUpdated(*this);
    for (const auto& listener : listeners) {
        listener->seriesDataLoaded();
    }
    startTimer();
}

}  // namespace qov
