#include "app/legacymaps/tiles/QOVTileLayerView.h"

#include <cmath>

#include <fmt/format.h>

#include "app/legacymaps/overlay/MapOverlayType.h"
#include "platform/base/Callback.h"
#include "platform/base/NumberText.h"
#include "platform/map/MapProjection.h"

namespace qov {

namespace {
constexpr int kStartZoom = 8;
constexpr int kLoopPassesWaited = 5;
constexpr int kLoopReadyPercent = 70;

float worldSize(double zoom) { return static_cast<float>(std::exp2(zoom) * QOVTileLayerView::kTileSize); }
}  // namespace

std::shared_ptr<QOVTileLayerView> QOVTileLayerView::create(const platform::gfx::Rect& frame,
                                                           std::shared_ptr<QOVTileSeries> tileSeries) {
    auto view = std::make_shared<QOVTileLayerView>(frame, std::move(tileSeries));
    if (view->m_tileSeries) {
        view->m_tileSeries->addListener(view);
    }
    return view;
}

QOVTileLayerView::QOVTileLayerView(const platform::gfx::Rect& frame, std::shared_ptr<QOVTileSeries> tileSeries)
    : View(frame),
      m_viewSize(worldSize(kStartZoom)),
      m_drawViewSize(worldSize(kStartZoom)),
      m_tileSeries(std::move(tileSeries)) {
    m_tileCache.setMaximumNumberOfObjects(kTileCacheSize);
    setClipsToBounds(true);
    setUserInteractionEnabled(false);
}

QOVTileLayerView::~QOVTileLayerView() {
    stopTimer();
    cancelAllPendingOperations();
    for (const auto& subView : m_availSubViews) {
        subView->setTile(nullptr);
    }
}

void QOVTileLayerView::teardown() {
    stopTimer();
    m_animating = false;
    cancelAllPendingOperations();
    if (m_tileSeries) {
        m_tileSeries->removeListener(this);
    }
    clearSubViews();
    m_tileLoadedListener.reset();
    m_updateDelegate.reset();
    m_layer.reset();
    removeFromSuperview();
}

std::optional<platform::Date> QOVTileLayerView::tileDateWithString(const std::string& unixDate) const {
    const auto milliseconds = platform::leadingDouble(unixDate);
    if (!milliseconds) {
        return std::nullopt;
    }
    const double offset = m_tileSeries ? static_cast<double>(m_tileSeries->offset()) : 0.0;
    return platform::Date::fromSecondsSince1970((*milliseconds + offset) / 1000.0);
}

void QOVTileLayerView::setCenterPoint(platform::gfx::Point point) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
        return;
    }
    m_centerPoint =
        platform::gfx::Point{std::clamp(point.x, -kMaxLongitude, kMaxLongitude), platform::map::clampLatitude(point.y)};
    setCenterPixel(pixelForPoint(m_centerPoint, m_layerZoomLevel, kTileSize));
}

void QOVTileLayerView::setCenterPixel(platform::gfx::Point pixel) {
    m_centerPixel = platform::gfx::Point{std::clamp(pixel.x, 0.0, double(m_viewSize)),
                                         std::clamp(pixel.y, 0.0, double(m_viewSize))};
    m_centerPixelValid = true;
}

void QOVTileLayerView::setZoomLevel(float zoom) {
    if (!std::isfinite(zoom)) {
        return;
    }
    const int layerZoom = zoomLevelForLayer(m_layer.get(), zoom);
    if (zoom != m_zoomLevel || layerZoom != m_layerZoomLevel) {
        applyZoom(zoom, layerZoom);
    }
}

void QOVTileLayerView::applyZoom(float zoom, int layerZoom) {
    m_zoomLevel = zoom;
    m_layerZoomLevel = layerZoom;
    const float oldSize = m_viewSize;
    m_viewSize = worldSize(layerZoom);
    m_centerPixel =
        platform::gfx::Point{m_centerPixel.x * m_viewSize / oldSize, m_centerPixel.y * m_viewSize / oldSize};
    m_drawViewSize = worldSize(zoom);
    clearSubViews();
}

void QOVTileLayerView::setTileLayer(std::shared_ptr<QOVLayer> layer) {
    m_layer = std::move(layer);
    const int layerZoom = zoomLevelForLayer(m_layer.get(), m_zoomLevel);
    if (layerZoom != m_layerZoomLevel) {
        applyZoom(m_zoomLevel, layerZoom);
    }
}

void QOVTileLayerView::setMapType(MapOverlayType::Ptr type) {
    m_mapType = std::move(type);
    clearSubViews();
    requestRedraw();
    setupCurrentSeries();
}

MapOverlayType::Ptr QOVTileLayerView::translatedType() const {
    return m_mapType ? m_mapType->translatedOverlayForEuroRad(isEuroRad(m_centerPoint)) : nullptr;
}

std::shared_ptr<QOVLayer> QOVTileLayerView::chooseLayer(bool future) const {
    const auto type = translatedType();
    return type && m_tileSeries ? m_tileSeries->layerWithType(type, future) : nullptr;
}

std::optional<platform::Date> QOVTileLayerView::dateOfSlice(const std::shared_ptr<QOVLayer>& layer, int slice) const {
    const auto series = layer ? layer->seriesForTimeSlice(slice) : nullptr;
    return series ? tileDateWithString(series->unixDate()) : std::nullopt;
}

void QOVTileLayerView::announceTimeStamp(std::optional<platform::Date> timeStamp) {
    m_timestamp = timeStamp;
    if (const auto delegate = m_updateDelegate.lock()) {
        delegate->setCurrentTimeStamp(timeStamp);
    }
}

void QOVTileLayerView::setLocation(std::shared_ptr<QOVLocation> location) {
    m_location = std::move(location);
    cancelAllPendingOperations();
    setTileLayer(chooseLayer(m_showFuture));
    if (const auto date = dateOfSlice(m_layer, m_timeSlice)) {
        announceTimeStamp(date);
    }
}

void QOVTileLayerView::setupCurrentSeries() {
    setTileLayer(chooseLayer(m_showFuture));
    m_numTimeSlices = m_layer ? static_cast<int>(m_layer->numberOfSeries()) : 0;
    m_timeSlice = 0;
    resetTileDownload();
    downloadMoreTiles();
    // An overlay without slices clears the time shown rather than keeping the previous overlay's.
    announceTimeStamp(dateOfSlice(m_layer, 0));
}

void QOVTileLayerView::seriesDataLoaded() {
    setupCurrentSeries();
    requestRedraw();
}

void QOVTileLayerView::regionChanged() {
    resetTileDownload();
    reclaimSubViews();
    requestRedraw();
}

void QOVTileLayerView::resetCache() { m_tileCache.removeAllObjects(); }

void QOVTileLayerView::didReceiveMemoryWarning() {
    resetCache();
    resetTileDownload();
}

void QOVTileLayerView::resetTileDownload() {
    m_downloadTimeSlice = m_timeSlice;
    m_downloadCount = m_animating ? 0 : m_numTimeSlices;
}

bool QOVTileLayerView::isLayerReady() const { return m_tileSeries && m_tileSeries->loaded(); }

int QOVTileLayerView::getCacheType(int value) const {
    const int number = m_mapType ? static_cast<int>(m_mapType->number()) : 0;
    return number | (value << 8);
}

void QOVTileLayerView::startAnimation() {
    m_loadingPass = 0;
    m_animating = true;
    const auto past = chooseLayer(false);
    const auto future = chooseLayer(true);
    const int pastCount = past ? static_cast<int>(past->numberOfSeries()) : 0;
    const int futureCount = future ? static_cast<int>(future->numberOfSeries()) : 0;
    if (const auto delegate = m_updateDelegate.lock()) {
        delegate->setMaxPastTimeSlices(pastCount, dateOfSlice(past, pastCount - 1));
        // Both spans reach to their farthest frame: the oldest past one (the last) and the latest forecast one
        // (the first: slices come latest first, and the loop plays from the last to the first).
        delegate->setMaxFutureTimeSlices(futureCount, dateOfSlice(future, 0));
    }
    setTileLayer(m_showFuture ? future : past);
    m_numTimeSlices = m_showFuture ? futureCount : pastCount;
    m_timeSlice = 0;
    resetTileDownload();
    viewReset();
    requestRedraw();
    stopTimer();
    if (m_numTimeSlices == 0) {
        return;  // nothing to play
    }
    m_timer = platform::RunLoop::main().scheduleTimer(
        kLoopInterval, true,
        platform::bindWeak(std::static_pointer_cast<QOVTileLayerView>(shared_from_this()),
                           [](QOVTileLayerView& view, platform::Timer&) { view.updateAnimatedTile(); }));
}

int QOVTileLayerView::previousSlice(int slice) const { return slice - 1 < 0 ? m_numTimeSlices - 1 : slice - 1; }

void QOVTileLayerView::updateAnimatedTile() {
    if (isHidden() || m_numTimeSlices <= 0) {
        return;
    }
    ++m_loadingPass;
    const int next = previousSlice(m_timeSlice);
    if (downloadTiles(next) < kLoopReadyPercent && m_loadingPass < kLoopPassesWaited) {
        return;
    }
    m_timeSlice = next;
    m_loadingPass = 0;
    viewReset();
    requestRedraw();
    announceTimeStamp(dateOfSlice(m_layer, m_timeSlice));
    if (const auto delegate = m_updateDelegate.lock()) {
        delegate->setCurrentTimeSlice(m_numTimeSlices - m_timeSlice, m_showFuture);
    }
}

void QOVTileLayerView::stopAnimation() {
    stopTimer();
    m_downloadCount = m_numTimeSlices;
    m_showFuture = false;
    m_animating = false;
    viewReset();
    requestRedraw();
    setupCurrentSeries();
    announceTimeStamp(dateOfSlice(m_layer, m_timeSlice));
}

void QOVTileLayerView::stopTimer() {
    if (m_timer) {
        m_timer->invalidate();
        m_timer.reset();
    }
}

std::string QOVTileLayerView::text() const {
    return fmt::format("tiles {} shown, slice {} of {}{}", m_subViewTiles.size(), m_timeSlice, m_numTimeSlices,
                       m_animating ? ", playing" : "");
}

}  // namespace qov
