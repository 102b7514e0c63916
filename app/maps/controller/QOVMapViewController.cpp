#include "app/maps/controller/QOVMapViewController.h"

#include <fmt/format.h>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/categories/MKMapViewCorbelt.h"
#include "app/core/categories/MKMapViewQOV.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/RegionalLayer.h"
#include "app/maps/animation/QOVAnimationRendererImageView.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/model/MapLayerCatalogue.h"
#include "app/maps/overlay/QOVTileOverlayView.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/services/QOVFormattingService.h"
#include "platform/base/NotificationCenter.h"
#include "platform/map/PinAnnotationView.h"
#include "platform/map/UserLocation.h"

namespace qov {

namespace {

bool samePoint(const QOVPointOfInterest& first, const QOVPointOfInterest& second) {
    return first.poiType() == second.poiType() && first.pointId() == second.pointId();
}

}  // namespace

QOVMapViewController::QOVMapViewController(std::string nibName) : QOVViewController(std::move(nibName)) {}

QOVMapViewController::~QOVMapViewController() {
    ApplicationCacheFactory::sharedInstance().cache()->stopListeningForCurrentLocationWithDelegate(this);
    m_animationManager->setAnimating(false);
}

void QOVMapViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    if (!m_mapView) {
        m_mapView = std::make_shared<platform::map::MapView>(view()->bounds());
        m_mapView->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                       platform::ui::kAutoresizingFlexibleHeight);
        view()->insertSubview(m_mapView, 0);
    }
    m_mapView->setDelegate(self());
    m_animationManager->setDelegate(self());
    QOVMapCache::sharedInstance()->startListeningForMapConfigWithDelegate(self());
    ApplicationCacheFactory::sharedInstance().cache()->startListeningForCurrentLocationWithDelegate(self());
    m_animationRenderer = std::make_shared<QOVAnimationRendererImageView>(m_mapView->frame());
    m_animationManager->setRenderer(m_animationRenderer);
    view()->addSubview(m_animationRenderer);
}

void QOVMapViewController::viewWillDisappear(bool animated) {
    QOVViewController::viewWillDisappear(animated);
    if (isAnimating()) {
        stopAnimations();
    }
}

void QOVMapViewController::viewDidUnload() {
    QOVViewController::viewDidUnload();
    ApplicationCacheFactory::sharedInstance().cache()->stopListeningForCurrentLocationWithDelegate(this);
    QOVMapCache::sharedInstance()->stopListeningForMapConfigWithDelegate(self());
    if (isAnimating()) {
        stopAnimations();
    }
    if (m_mapView) {
        m_mapView->setDelegate({});
    }
    m_mapView.reset();
    m_animationManager->setRenderer(nullptr);
    m_animationRenderer.reset();
    m_currentLocation.reset();
    m_currentLocationAnnotation.reset();
}

void QOVMapViewController::mapConfigurationChanged(const std::shared_ptr<QOVMapTileConfig>& configuration) {
    const bool wasAnimating = isAnimating();
    if (wasAnimating) {
        stopAnimations();
    }
    m_mapConfig = configuration;
    updateMapLayerWithName(m_mapLayer ? m_mapLayer->layerType() : std::string(MapLayerCatalogue::kDefaultLayer));
    requestPOIsForType(m_poiType);
    if (wasAnimating) {
        startAnimations();
    }
}

void QOVMapViewController::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    if (!location || (m_currentLocation && m_currentLocation->isEqualToLocation(*location))) {
        return;
    }
    m_currentLocation = location;
    const platform::geo::Coordinate coordinate{location->coordinate().latitude, location->coordinate().longitude};
    if (m_mapView) {
        MKMapViewCorbelt::setCenterCoordinate(*m_mapView, coordinate, kLocationZoomLevel, false);
    }
    // A place without current conditions has no temperature to show.
    const auto& conditions = location->currentConditions();
    addAnnotationAtCoordinate(
        coordinate, conditions ? fmt::format("{} ({})", location->displayName(),
                                             QOVFormattingService::formatTemperature(conditions->temperature()))
                               : location->displayName());
    updateMapLayerWithName(m_mapLayer ? m_mapLayer->layerType() : std::string(MapLayerCatalogue::kDefaultLayer));
    m_animationManager->setTimeZone(location->timeZone());
}

void QOVMapViewController::updateMapLayerWithName(std::string name) {
    if (m_currentLocation) {
        name = RegionalLayer::forRegion(name, m_currentLocation->countryCode() != "US");
    }
    setMapLayer(m_mapConfig ? m_mapConfig->tileSeriesForLayer(name) : nullptr);
}

void QOVMapViewController::setMapLayer(std::shared_ptr<QOVMapLayer> layer) {
    if (const auto overlay = currentOverlay()) {
        QOVMapCache::sharedInstance()->stopListeningForTileDataWithDelegate(overlay);
        m_mapView->removeOverlay(overlay);
    }
    m_mapLayer = std::move(layer);
    m_mapSeries = m_mapConfig && m_mapLayer ? m_mapConfig->latestSeriesForLayer(m_mapLayer->layerType()) : nullptr;
    showOverlay();
    updateTimeStamp(seriesTime());
}

std::shared_ptr<QOVTileOverlay> QOVMapViewController::overlayForMapRect(const platform::map::MapRect& mapRect,
                                                                        const std::shared_ptr<QOVMapSeries>& series) {
    if (!m_mapConfig || !series) {
        return nullptr;
    }
    if (const auto overlay = currentOverlay()) {
        QOVMapCache::sharedInstance()->cancelAllTileRequestsForDelegate(overlay);
    }
    return QOVTileOverlay::create(mapRect, series, m_overlayAlpha);
}

std::shared_ptr<QOVTileOverlay> QOVMapViewController::currentOverlay() const {
    if (!m_mapView || m_mapView->overlays().empty()) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<QOVTileOverlay>(m_mapView->overlays().front());
}

void QOVMapViewController::showOverlay() {
    if (const auto overlay = overlayForMapRect(platform::map::kMapRectWorld, m_mapSeries); overlay && m_mapView) {
        m_mapView->addOverlay(overlay);
    }
}

void QOVMapViewController::setOverlayAlpha(double alpha) {
    if (alpha == m_overlayAlpha) {
        return;
    }
    m_overlayAlpha = alpha;
    if (m_animationRenderer) {
        m_animationRenderer->setOverlayAlpha(alpha);
    }
    if (m_mapView && !m_mapView->overlays().empty()) {
        m_mapView->removeOverlays(m_mapView->overlays());
        showOverlay();
    }
}

void QOVMapViewController::startAnimations() {
    if (isAnimating() || !m_mapView) {
        return;
    }
    if (m_animationRenderer) {
        m_animationRenderer->setOverlayAlpha(m_overlayAlpha);
    }
    m_animationManager->setMapView(m_mapView);
    m_animationManager->setMapLayer(m_mapLayer);
    m_animationManager->setAnimating(true);
    if (!isAnimating()) {
        return;
    }
    // The loading is queued: the overlay goes before any frame shows.
    m_mapView->removeOverlays(m_mapView->overlays());
    platform::NotificationCenter::defaultCenter().addObserver(
        this, QOVAppDelegate::kWillResignActiveNotification,
        [weakSelf = std::weak_ptr(self())](const platform::Notification&) {
            if (const auto screen = weakSelf.lock()) {
                screen->stopAnimations();
            }
        });
    updateTotalFrames(m_animationManager->totalFrames());
}

void QOVMapViewController::stopAnimations() {
    if (m_animationRenderer) {
        m_animationRenderer->setHidden(true);
    }
    if (isAnimating()) {
        m_animationManager->setAnimating(false);
        // Only the loop's own observer: the screen's other observers stay.
        platform::NotificationCenter::defaultCenter().removeObserver(this,
                                                                     QOVAppDelegate::kWillResignActiveNotification);
        m_mapView->removeOverlays(m_mapView->overlays());
        showOverlay();
    }
    updateTimeStamp(seriesTime());
}

void QOVMapViewController::resizeAnimationRenderer(const platform::gfx::Rect& frame) {
    if (m_animationRenderer) {
        m_animationRenderer->setFrame(frame);
    }
}

std::string QOVMapViewController::seriesTime() const {
    return m_mapSeries
               ? m_mapSeries->displayDateWithTimeZone(m_currentLocation ? m_currentLocation->timeZone() : std::nullopt,
                                                      QOVMapCache::sharedInstance()->configurationOffset())
               : std::string();
}

void QOVMapViewController::requestPOIsForType(std::int32_t type) {
    setPoiType(type);
    if (type == 0 || !m_currentLocation || !m_mapView) {
        return;
    }
    QOVMapCache::sharedInstance()->cachedPOIType(
        type, m_mapView->visibleMapRect(), MKMapViewQOV::zoomScale(*m_mapView),
        [weakSelf = std::weak_ptr(self())](const std::shared_ptr<QOVPOIList>& list) {
            if (const auto screen = weakSelf.lock()) {
                screen->plotPOIs(list);
            }
        });
}

void QOVMapViewController::plotPOIs(const std::shared_ptr<QOVPOIList>& list) {
    if (!m_mapView || !list) {
        return;
    }
    removeAllAnnotationsInMapRect(m_mapView->visibleMapRect());
    m_POIs = list->poiLocations();
    const auto shown = m_mapView->annotations();
    for (const auto& point : m_POIs) {
        const bool onMap = point && std::ranges::any_of(shown, [&point](const auto& annotation) {
                               const auto other = std::dynamic_pointer_cast<QOVPointOfInterest>(annotation);
                               return other && samePoint(*other, *point);
                           });
        if (point && !onMap) {
            m_mapView->addAnnotation(point);
        }
    }
}

void QOVMapViewController::removeAllAnnotationsInMapRect(const platform::map::MapRect& mapRect) {
    const auto inside = m_mapView->annotationsInMapRect(mapRect);
    std::vector<std::shared_ptr<platform::map::Annotation>> outside;
    for (const auto& annotation : m_mapView->annotations()) {
        if (annotation != m_currentLocationAnnotation && annotation != m_mapView->userLocation() &&
            std::ranges::find(inside, annotation) == inside.end()) {
            outside.push_back(annotation);
        }
    }
    m_mapView->removeAnnotations(outside);
}

void QOVMapViewController::addAnnotationAtCoordinate(const platform::geo::Coordinate& coordinate, std::string title) {
    if (!m_mapView) {
        return;
    }
    if (m_currentLocationAnnotation) {
        m_mapView->removeAnnotation(m_currentLocationAnnotation);
    }
    m_currentLocationAnnotation = std::make_shared<QOVAnnotation>(coordinate);
    m_currentLocationAnnotation->setTitle(std::move(title));
    m_mapView->addAnnotation(m_currentLocationAnnotation);
}

std::shared_ptr<platform::map::AnnotationView> QOVMapViewController::viewForAnnotation(
    platform::map::MapView&, const std::shared_ptr<platform::map::Annotation>& annotation) {
    if (std::dynamic_pointer_cast<platform::map::UserLocation>(annotation)) {
        return nullptr;
    }
    auto pin = std::make_shared<platform::map::PinAnnotationView>(annotation, kPinReuseIdentifier);
    pin->setCanShowCallout(true);
    pin->setPinColor(std::dynamic_pointer_cast<QOVPointOfInterest>(annotation) ? platform::map::PinColor::Purple
                                                                               : platform::map::PinColor::Green);
    return pin;
}

std::shared_ptr<platform::map::OverlayView> QOVMapViewController::viewForOverlay(
    platform::map::MapView&, const std::shared_ptr<platform::map::Overlay>& overlay) {
    const auto tiles = std::dynamic_pointer_cast<QOVTileOverlay>(overlay);
    if (!tiles) {
        return nullptr;
    }
    return tiles->view();
}

void QOVMapViewController::regionWillChangeAnimated(platform::map::MapView&, bool) {
    if (isAnimating()) {
        stopAnimations();
        m_restartAnimations = true;
    }
}

void QOVMapViewController::regionDidChangeAnimated(platform::map::MapView&, bool) {
    if (!currentOverlay()) {
        return;
    }
    requestPOIsForType(m_poiType);
    if (m_restartAnimations) {
        m_restartAnimations = false;
        startAnimations();
    }
}

void QOVMapViewController::animationOverlayDisplayedFrame(QOVAnimationManager&, std::uint32_t frame,
                                                          const std::string& timeStamp) {
    updateFrameNumber(frame);
    updateTimeStamp(timeStamp);
}

void QOVMapViewController::loadedFrame(std::uint32_t framesRendered) {
    animationLoaded(framesRendered);
    if (framesRendered >= 6) {
        animationLoadFinished();
    }
}

void QOVMapViewController::animationStopped(QOVAnimationManager&) {
    if (m_animationRenderer) {
        m_animationRenderer->setHidden(true);
    }
}

}  // namespace qov
