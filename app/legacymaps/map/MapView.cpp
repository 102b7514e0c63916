#include "app/legacymaps/map/MapView.h"

#include <cmath>

#include "app/core/categories/MKMapViewCorbelt.h"
#include "app/core/categories/MKMapViewQOV.h"
#include "app/core/model/QOVLocation.h"
#include "platform/base/Callback.h"
#include "platform/base/Clock.h"

namespace qov {

namespace {
constexpr unsigned kLocationZoomLevel = 8;
}

MapView::~MapView() { teardown(); }

void MapView::setMapView(const std::shared_ptr<platform::map::MapView>& map) {
    m_mapView = map;
    if (map) {
        map->setDelegate(std::static_pointer_cast<MapView>(shared_from_this()));
    }
}

void MapView::teardown() {
    stopRegionTimer();
    m_lastRegionChanged.reset();
    m_mapUpdateDelegate.reset();
    if (const auto map = m_mapView.lock()) {
        map->setDelegate({});
    }
    m_mapView.reset();
    dropOverlayLayer();
    m_currentOverlayType.reset();
    m_currentLocation.reset();
}

void MapView::dropOverlayLayer() {
    if (m_overlayLayer) {
        m_overlayLayer->teardown();
        m_overlayLayer.reset();
    }
}

void MapView::setCurrentOverlayType(MapOverlayType::Ptr type) {
    m_currentOverlayType = std::move(type);
    if (!m_currentOverlayType) {
        dropOverlayLayer();
        return;
    }
    if (!m_overlayLayer) {
        m_overlayLayer = QOVTileLayerView::create(bounds());
        m_overlayLayer->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                            platform::ui::kAutoresizingFlexibleHeight);
        m_overlayLayer->setAutoresizesSubviews(true);
        m_overlayLayer->setAlpha(kLayerAlpha);
        m_overlayLayer->setZoomLevel(kStartZoomLevel);
        m_overlayLayer->setZoomLevel(m_zoomLevel);
        m_overlayLayer->setTileLoadedListener(std::static_pointer_cast<MapView>(shared_from_this()));
        m_overlayLayer->setUpdateDelegate(m_mapUpdateDelegate);
        addSubview(m_overlayLayer);
        if (const auto map = m_mapView.lock()) {
            regionDidChangeAnimated(*map, false);
        }
    }
    m_overlayLayer->setMapType(m_currentOverlayType);
}

void MapView::setZoomLevel(float zoom) {
    m_zoomLevel = zoom;
    if (m_overlayLayer) {
        m_overlayLayer->setZoomLevel(zoom);
    }
}

bool MapView::interactiveMap() const {
    const auto map = m_mapView.lock();
    return map && map->isUserInteractionEnabled();
}

void MapView::setInteractiveMap(bool interactive) {
    if (const auto map = m_mapView.lock()) {
        map->setUserInteractionEnabled(interactive);
    }
}

void MapView::setMapUpdateDelegate(std::weak_ptr<MapViewUpdatedDelegate> delegate) {
    m_mapUpdateDelegate = std::move(delegate);
    if (m_overlayLayer) {
        m_overlayLayer->setUpdateDelegate(m_mapUpdateDelegate);
    }
}

bool MapView::followDrag(double dx, double dy) {
    const auto map = mapView();
    return map && map->followDrag(dx, dy);
}

bool MapView::followPinch(double scale, platform::ui::Point around) {
    const auto map = mapView();
    if (!map) {
        return false;
    }
    // The point in the map's own bounds.
    const platform::ui::Rect mine = frameInWindow();
    const platform::ui::Rect its = map->frameInWindow();
    return map->followPinch(scale,
                            platform::ui::Point{around.x - bounds().x() + mine.x() - its.x() + map->bounds().x(),
                                                around.y - bounds().y() + mine.y() - its.y() + map->bounds().y()});
}

void MapView::setLocation(std::shared_ptr<QOVLocation> location) {
    m_currentLocation = std::move(location);
    if (m_overlayLayer) {
        m_overlayLayer->setLocation(m_currentLocation);
    }
    if (const auto delegate = m_mapUpdateDelegate.lock()) {
        delegate->mapRepositioned();
    }
}

bool MapView::isLocationVisible(const QOVLocation& location) const {
    // Both sides in single precision, so a place on an edge stays on it.
    const auto single = [](double value) { return static_cast<float>(value); };
    const float latitude = single(location.coordinate().latitude);
    const float longitude = single(location.coordinate().longitude);
    return latitude >= single(m_minLatitude) && latitude <= single(m_maxLatitude) &&
           longitude >= single(m_minLongitude) && longitude <= single(m_maxLongitude);
}

void MapView::orientationChanged() {
    if (const auto map = m_mapView.lock()) {
        regionDidChangeAnimated(*map, false);
    }
}

void MapView::didReceiveMemoryWarning() {
    if (m_overlayLayer) {
        m_overlayLayer->didReceiveMemoryWarning();
    }
}

void MapView::regionWillChangeAnimated(platform::map::MapView&, bool) {
    if (m_overlayLayer) {
        m_overlayLayer->setHidden(true);
    }
}

void MapView::regionDidChangeAnimated(platform::map::MapView&, bool) {
    updateWatchedArea();
    m_lastRegionChanged = platform::Clock::shared()->now();
    if (m_regionTimer) {
        return;
    }
    m_regionTimer = platform::RunLoop::main().scheduleTimer(
        kRegionCheckInterval, true,
        platform::bindWeak(std::static_pointer_cast<MapView>(shared_from_this()),
                           [](MapView& view, platform::Timer&) { view.regionChangeDidFinish(); }));
}

void MapView::regionChangeDidFinish() {
    const auto map = m_mapView.lock();
    if (!map || !m_lastRegionChanged) {
        stopRegionTimer();
        return;
    }
    if (platform::Clock::shared()->now().timeIntervalSince(*m_lastRegionChanged) <= kRegionSettleTime) {
        return;
    }
    updateWatchedArea();
    if (m_overlayLayer) {
        const auto centre = map->centerCoordinate();
        m_overlayLayer->setHidden(false);
        m_overlayLayer->setZoomLevel(MKMapViewQOV::actualZoomLevel(*map));
        m_overlayLayer->setCenterPoint(
            platform::gfx::Point{static_cast<float>(centre.longitude), static_cast<float>(centre.latitude)});
        m_overlayLayer->regionChanged();
    }
    stopRegionTimer();
}

void MapView::updateWatchedArea() {
    const auto map = m_mapView.lock();
    if (!map) {
        return;
    }
    const auto region = map->region();
    m_minLatitude = region.center.latitude - region.span.latitudeDelta;
    m_maxLatitude = region.center.latitude + region.span.latitudeDelta;
    m_minLongitude = region.center.longitude - region.span.longitudeDelta;
    m_maxLongitude = region.center.longitude + region.span.longitudeDelta;
}

void MapView::stopRegionTimer() {
    if (m_regionTimer) {
        m_regionTimer->invalidate();
        m_regionTimer.reset();
    }
}

void MapView::animateFuture(bool future) {
    if (m_overlayLayer) {
        m_overlayLayer->stopAnimation();
        m_overlayLayer->useFutureTimeSlices(future);
        m_overlayLayer->startAnimation();
    }
}

void MapView::overlayAnimated(bool animated) {
    if (!m_overlayLayer) {
        return;
    }
    if (animated) {
        m_overlayLayer->startAnimation();
    } else {
        m_overlayLayer->stopAnimation();
    }
}

void MapView::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    const auto map = m_mapView.lock();
    if (!map || !location) {
        return;
    }
    const auto coordinate = location->coordinate();
    MKMapViewCorbelt::setCenterCoordinate(*map, platform::geo::Coordinate{coordinate.latitude, coordinate.longitude},
                                          kLocationZoomLevel, false);
}

}  // namespace qov
