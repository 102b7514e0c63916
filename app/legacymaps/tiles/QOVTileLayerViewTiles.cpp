// The layer's tiles: addresses, the drawing pass, the sub-views and the download pass.
#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "app/legacymaps/overlay/MapOverlayType.h"
#include "app/legacymaps/tiles/QOVTileLayerView.h"
#include "platform/base/Callback.h"

namespace qov {

namespace {
constexpr int kMaxLoadersInFlight = 3;
constexpr int kSliceLoadedPercent = 81;
const platform::gfx::Point kNewSubViewOrigin{1000.0, 1000.0};

int wrapColumn(int column, int zoomLevel) {
    return static_cast<int>(QOVTileLayerView::kTileGrid.wrappedColumn(column, zoomLevel));
}
}  // namespace

std::string QOVTileLayerView::urlForX(int column, int row, int zoomLevel, int timeSlice) const {
    if (!m_layer || !m_mapType || !m_tileSeries || zoomLevel > m_layer->maxZoom()) {
        return {};
    }
    const auto series = m_layer->seriesForTimeSlice(timeSlice);
    if (!series) {
        return {};
    }
    std::string seriesId = m_mapType->mapSeriesIDForEuroRad(isEuroRad(m_centerPoint));
    std::string seriesTime = series->dateForRequest();
    std::string directory = "imgs";
    if (m_layer->isFuture()) {
        // The run's own date segment, so a run date that is no single segment refuses the address.
        const auto& runs = m_layer->series();
        seriesTime = (runs.empty() ? std::string() : runs.front()->dateForRequest()) + "/" + seriesTime;
        directory = "ff";
        seriesId = "future_" + seriesId + "_ff";
    }
    return m_tileSeries->buildImageURL(seriesId, quadKeyForX(column, row, zoomLevel), seriesTime, directory);
}

std::string QOVTileLayerView::cacheIdentifier(int column, int row, int timeSlice) const {
    auto& memo = m_identifierMemo;
    const bool euroRad = isEuroRad(m_centerPoint);
    if (memo.layer != m_layer || memo.type != m_mapType || memo.zoomLevel != m_layerZoomLevel ||
        memo.euroRad != euroRad || memo.range != m_range) {
        memo = IdentifierMemo{m_layer, m_mapType, m_layerZoomLevel, euroRad, m_range, {}};
    }
    const auto key = std::tuple{column, row, timeSlice};
    if (const auto found = memo.identifiers.find(key); found != memo.identifiers.end()) {
        return found->second;
    }
    const int wrapped = wrapColumn(column, m_layerZoomLevel);
    std::string url = urlForX(wrapped, row, m_layerZoomLevel, timeSlice);
    if (!url.empty() && wrapped != column) {
        url += fmt::format("#{}", column);  // a repeated column keeps its own place
    }
    memo.identifiers.emplace(key, url);
    return url;
}

std::string QOVTileLayerView::identifierOf(const QOVTile& tile) const {
    const int zoom = static_cast<int>(tile.zoomLevel());
    const int wrapped = wrapColumn(tile.x(), zoom);
    return wrapped == tile.x() ? tile.url() : fmt::format("{}#{}", tile.url(), tile.x());
}

std::shared_ptr<QOVTile> QOVTileLayerView::cachedTile(const std::string& identifier) {
    auto tile = std::dynamic_pointer_cast<QOVTile>(m_tileCache.objectForKey(identifier));
    if (tile && tile->expired()) {
        m_tileCache.removeObjectForKey(identifier);
        return nullptr;
    }
    return tile;
}

std::shared_ptr<QOVTile> QOVTileLayerView::tileForX(int column, int row, int timeSlice) {
    const std::string url = urlForX(wrapColumn(column, m_layerZoomLevel), row, m_layerZoomLevel, timeSlice);
    if (url.empty()) {
        return nullptr;
    }
    auto tile = std::make_shared<QOVTile>(
        url, static_cast<float>(m_layerZoomLevel),
        platform::gfx::Rect(double(kTileSize) * column, double(kTileSize) * row, kTileSize, kTileSize));
    tile->setX(column);
    tile->setY(row);
    m_tileCache.setObject(tile, identifierOf(*tile));
    return tile;
}

bool QOVTileLayerView::mayRequest(const std::string& url) {
    const auto failed = m_failedTiles.find(url);
    if (failed == m_failedTiles.end()) {
        return true;
    }
    if (platform::Clock::shared()->now().timeIntervalSince(failed->second) < kFailedTileBackOff) {
        return false;
    }
    m_failedTiles.erase(failed);
    return true;
}

void QOVTileLayerView::queueForDownload(const std::shared_ptr<QOVTile>& tile) {
    std::lock_guard lock(m_mutex);
    const bool inFlight = std::any_of(m_loadingTiles.begin(), m_loadingTiles.end(),
                                      [&](const auto& loader) { return loader->tile() == tile; });
    if (inFlight || tile->isLoaded() || !mayRequest(tile->url())) {
        return;
    }
    auto loader = std::make_shared<QOVTileLoader>(tile, std::static_pointer_cast<QOVTileLayerView>(shared_from_this()));
    m_loadingTiles.push_back(loader);
    loader->download();
}

void QOVTileLayerView::requestRedraw() {
    setNeedsDisplay();
    if (m_redrawPending) {
        return;
    }
    m_redrawPending = true;
    platform::RunLoop::main().post(
        platform::bindWeak(std::static_pointer_cast<QOVTileLayerView>(shared_from_this()), [](QOVTileLayerView& view) {
            view.m_redrawPending = false;
            view.drawTiles();
        }));
}

void QOVTileLayerView::drawTiles() {
    if (!isLayerReady() || !m_centerPixelValid || !isVisibleOnScreen()) {
        return;
    }
    m_drawing = true;
    calcTransform();
    for (int row = m_range.firstRow; row <= m_range.lastRow; ++row) {
        for (int column = m_range.firstColumn; column <= m_range.lastColumn; ++column) {
            const std::string identifier = cacheIdentifier(column, row, m_timeSlice);
            if (identifier.empty()) {
                continue;
            }
            auto tile = cachedTile(identifier);
            if (!tile) {
                tile = tileForX(column, row, m_timeSlice);
            }
            if (!tile) {
                continue;
            }
            queueForDownload(tile);
            drawSubView(tile, identifier);
        }
    }
    m_drawing = false;
    downloadMoreTiles();
}

void QOVTileLayerView::drawSubView(const std::shared_ptr<QOVTile>& tile, const std::string& identifier) {
    auto filed = m_subViewTiles.find(identifier);
    if (filed == m_subViewTiles.end()) {
        if (!QOVTileSubView::isInParentView(bounds(), m_viewTransform, tile->rect())) {
            return;
        }
        std::shared_ptr<QOVTileSubView> subView;
        if (!m_availSubViews.empty()) {
            subView = m_availSubViews.back();
            m_availSubViews.pop_back();
        } else {
            subView = std::make_shared<QOVTileSubView>(
                platform::gfx::Rect(kNewSubViewOrigin, platform::gfx::Size{double(kTileSize), double(kTileSize)}));
            addSubview(subView);
        }
        subView->setTile(tile);
        filed = m_subViewTiles.emplace(identifier, subView).first;
    }
    if (filed->second->moveView(bounds(), m_viewTransform)) {
        filed->second->setHidden(false);
    } else {
        releaseSubView(identifier);
    }
}

void QOVTileLayerView::releaseSubView(const std::string& identifier) {
    const auto filed = m_subViewTiles.find(identifier);
    if (filed == m_subViewTiles.end()) {
        return;
    }
    const auto subView = filed->second;
    m_subViewTiles.erase(filed);
    subView->setTile(nullptr);
    subView->setHidden(true);
    subView->setFrame(platform::gfx::Rect{});
    m_availSubViews.push_back(subView);
}

void QOVTileLayerView::reclaimSubViews() {
    calcTransform();
    std::vector<std::string> gone;
    for (const auto& [identifier, subView] : m_subViewTiles) {
        if (subView->isInParentView(bounds(), m_viewTransform)) {
            subView->setHidden(true);
            subView->setNeedsDisplay();
        } else {
            gone.push_back(identifier);
        }
    }
    for (const auto& identifier : gone) {
        releaseSubView(identifier);
    }
}

void QOVTileLayerView::clearSubViews() {
    while (!m_subViewTiles.empty()) {
        releaseSubView(m_subViewTiles.begin()->first);
    }
}

void QOVTileLayerView::downloadMoreTiles() {
    {
        std::lock_guard lock(m_mutex);
        if (m_drawing || m_downloading || m_downloadCount >= m_numTimeSlices ||
            m_loadingTiles.size() >= static_cast<std::size_t>(kMaxLoadersInFlight)) {
            return;
        }
        m_downloading = true;
    }
    while (downloadTiles(m_downloadTimeSlice) >= kSliceLoadedPercent) {
        ++m_downloadCount;
        if (m_downloadCount > m_numTimeSlices) {
            break;
        }
        m_downloadTimeSlice = previousSlice(m_downloadTimeSlice);
    }
    ++m_downloadCount;
    m_downloadTimeSlice = previousSlice(m_downloadTimeSlice);
    std::lock_guard lock(m_mutex);
    m_downloading = false;
}

int QOVTileLayerView::downloadTiles(int timeSlice) {
    if (timeSlice < 0 || timeSlice >= m_numTimeSlices) {
        return 0;
    }
    calcTransform();
    int total = 0;
    int loaded = 0;
    for (int row = m_range.firstRow; row <= m_range.lastRow; ++row) {
        for (int column = m_range.firstColumn; column <= m_range.lastColumn; ++column) {
            const std::string identifier = cacheIdentifier(column, row, timeSlice);
            if (identifier.empty()) {
                continue;
            }
            ++total;
            auto tile = cachedTile(identifier);
            if (!tile) {
                tile = tileForX(column, row, timeSlice);
            }
            if (!tile) {
                continue;
            }
            if (tile->isLoaded()) {
                ++loaded;
            } else {
                queueForDownload(tile);
            }
        }
    }
    return total == 0 ? 0 : 100 * loaded / total;
}

void QOVTileLayerView::removeLoader(QOVTileLoader& loader) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_loadingTiles, [&](const auto& entry) { return entry.get() == &loader; });
}

void QOVTileLayerView::updateTile(QOVTileLoader& loader) {
    const auto keepAlive = loader.shared_from_this();
    const auto filed = m_subViewTiles.find(identifierOf(*loader.tile()));
    if (filed != m_subViewTiles.end()) {
        filed->second->setNeedsDisplay();
    }
    if (const auto listener = m_tileLoadedListener.lock()) {
        listener->tileLoadedWithTimeStamp(m_timestamp);
    }
    removeLoader(loader);
    downloadMoreTiles();
}

void QOVTileLayerView::failedToLoadTile(QOVTileLoader& loader) {
    const auto keepAlive = loader.shared_from_this();
    m_failedTiles[loader.tile()->url()] = platform::Clock::shared()->now();
    removeLoader(loader);
    downloadMoreTiles();
}

std::size_t QOVTileLayerView::loadingCount() const {
    std::lock_guard lock(m_mutex);
    return m_loadingTiles.size();
}

void QOVTileLayerView::cancelAllPendingOperations() {
    std::vector<std::shared_ptr<QOVTileLoader>> loaders;
    {
        std::lock_guard lock(m_mutex);
        loaders.swap(m_loadingTiles);
    }
    for (const auto& loader : loaders) {
        loader->cancel();
    }
}

}  // namespace qov
