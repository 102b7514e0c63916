#include "app/legacymaps/screens/LegacyMapsBaseViewController.h"

#include "app/core/model/QOVLocation.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

LegacyMapsBaseViewController::~LegacyMapsBaseViewController() {
    if (qovMapView) {
        qovMapView->setMapUpdateDelegate({});
    }
}

void LegacyMapsBaseViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    m_mapControlBar = MapControlBar::create();
    m_mapControlBar->setControlBarDelegate(std::dynamic_pointer_cast<MapControlBarDelegate>(shared_from_this()));
    m_mapControlBar->setOrientation(interfaceOrientation());
    view()->addSubview(m_mapControlBar);
    if (qovMapView) {
        qovMapView->setMapUpdateDelegate(m_mapControlBar);
        qovMapView->setInteractiveMap(true);
        qovMapView->setShowTitle(false);
        qovMapView->setZoomLevel(m_zoomLevel);
        qovMapView->setCurrentOverlayType(m_mapControlBar->currentOverlayType());
    }
}

void LegacyMapsBaseViewController::viewDidUnload() {
    QOVViewController::viewDidUnload();
    m_playing = false;
    if (m_mapControlBar) {
        m_mapControlBar->removeFromSuperview();
        m_mapControlBar.reset();
    }
    if (qovMapView) {
        qovMapView->teardown();
        qovMapView.reset();
    }
}

void LegacyMapsBaseViewController::didReceiveMemoryWarning() {
    QOVViewController::didReceiveMemoryWarning();
    QOV_LOG_INFO("Memory Low Condition");
    if (qovMapView) {
        qovMapView->didReceiveMemoryWarning();
    }
}

void LegacyMapsBaseViewController::willAnimateRotationToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation, double) {
    if (m_mapControlBar) {
        m_mapControlBar->setOrientation(orientation);
    }
}

void LegacyMapsBaseViewController::didRotateFromInterfaceOrientation(platform::ui::DeviceOrientation) {
    if (qovMapView) {
        qovMapView->orientationChanged();
    }
}

void LegacyMapsBaseViewController::tileLoadedWithTimeStamp(std::optional<platform::Date> timeStamp) {
    if (m_mapControlBar) {
        m_mapControlBar->setCurrentTimeStamp(timeStamp);
    }
}

void LegacyMapsBaseViewController::animateFuture(bool future) {
    if (qovMapView) {
        qovMapView->animateFuture(future);
    }
}

void LegacyMapsBaseViewController::overlayAnimated(bool animated) {
    if (qovMapView) {
        qovMapView->overlayAnimated(animated);
    }
}

void LegacyMapsBaseViewController::overlaySelected(const MapOverlayType::Ptr& type) {
    if (qovMapView) {
        qovMapView->overlaySelected(type);
    }
}

void LegacyMapsBaseViewController::poiChanged() {
    if (qovMapView) {
        qovMapView->poiChanged();
    }
}

void LegacyMapsBaseViewController::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    m_currentLocation = location;
    if (m_mapControlBar && location) {
        m_mapControlBar->setTimeZone(location->timeZone());
    }
}

}  // namespace qov
