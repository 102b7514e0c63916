#include "app/maps/MapsViewController.h"

#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/maps/options/MapsOptionsViewController.h"
#include "app/ui/base/QOVScreenHost.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/NotificationCenter.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/Image.h"

namespace qov {

namespace {

constexpr int kPastButtonIndex = 0;
constexpr int kFutureButtonIndex = 1;

void trackAction(const std::string& action) { QOVMetricsService::sharedInstance()->trackAction(action); }

}  // namespace

MapsViewController::MapsViewController(std::string nibName) : QOVMapViewController(std::move(nibName)) {
    setTitle(localized("maps.tabbar.title"));
    setSlidingTabBarItem(
        SlidingTabBarItem::create("maps", title(), platform::ui::Image::named("tabbar-icon-map.png"), 1, "Map", "MAP"));
}

MapsViewController::~MapsViewController() = default;

void MapsViewController::viewDidLoad() {
    QOVMapViewController::viewDidLoad();
    if (QOVSettingsService::isPremiumApp()) {
        retintButtonItem(0);
        retintButtonItem(3);
    }
    m_fullscreen = false;
    if (m_loadingView) {
        m_loadingView->layer().cornerRadius = kLoadingViewCornerRadius;
    }
    if (m_loadingIndicator) {
        m_loadingIndicator->startAnimating();
    }
    displayLoadingView(false);
    m_showPlay = true;
    m_shouldTDXRemain = false;
    if (m_animationSlider) {
        m_animationSlider->setHidden(true);
    }
    setPlayButtonEnabled(false);
    // A configuration answered while the view loaded has already chosen a layer: the button follows it.
    if (mapLayer()) {
        togglePlayButtonForMapLayerWithName(mapLayer()->layerType());
    }
}

void MapsViewController::viewWillAppear(bool animated) {
    QOVMapViewController::viewWillAppear(animated);
    followAdSlot();
    const auto master = masterViewController<QOVScreenHost>();
    if (master) {
        master->refreshAdViewForPage("/maps", "explrs", "maps");
    }
    if (mapView() && platform::UserDefaults::standard()->boolForKey(MapsOptionsViewController::kGPSDotDefaultsKey)) {
        mapView()->setShowsUserLocation(true);
    }
    if (!m_shouldTDXRemain && m_tdxToolViewController && m_tdxToolViewController->isViewLoaded()) {
        m_tdxToolViewController->view()->removeFromSuperview();
    }
    m_shouldTDXRemain = false;
    if (master) {
        master->showLocationBar(false);
    }
}

void MapsViewController::viewWillDisappear(bool animated) {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    if (const auto master = masterViewController<QOVScreenHost>()) {
        master->showLocationBar(false);
    }
    QOVMapViewController::viewWillDisappear(animated);
}

void MapsViewController::viewDidUnload() {
    QOVMapViewController::viewDidUnload();
    m_animationSlider.reset();
    m_timestampLabel.reset();
    m_controlToolBar.reset();
    m_fullscreenButton.reset();
    m_fullscreenPlayButton.reset();
    m_legendImageView.reset();
    m_loadingView.reset();
    m_loadingIndicator.reset();
    m_progressView.reset();
    m_animationLoadingIndicator.reset();
}

void MapsViewController::playButtonPressed() {
    if (!m_showPlay) {
        stopAnimations();
        return;
    }
    const auto& place = currentLocation();
    if (QOVSettingsService::sharedInstance()->isFutureRadarEnabled() && place && place->countryCode() == "US") {
        askUserForLayerTimeFrame();
    } else {
        startAnimations();
    }
    trackAction("Map_Play");
}

void MapsViewController::askUserForLayerTimeFrame() {
    const auto sheet = std::make_shared<platform::ui::ActionSheet>(
        localized("Choose Animation"), std::static_pointer_cast<platform::ui::ActionSheetDelegate>(self()),
        localized("Cancel"), std::nullopt, std::vector<std::string>{localized("Past"), localized("Future")});
    const auto master = masterViewController<QOVScreenHost>();
    sheet->showInView(master ? master->view() : view());
}

void MapsViewController::actionSheetClickedButtonAtIndex(platform::ui::ActionSheet&, int index) {
    // Without a layer there is no loop to choose for.
    if ((index != kPastButtonIndex && index != kFutureButtonIndex) || !mapLayer()) {
        return;
    }
    mapLayer()->setFutureSeriesAnimation(index == kFutureButtonIndex);
    startAnimations();
}

void MapsViewController::optionsButtonPressed() {
    stopAnimations();
    const auto options = QOVViewController::viewControllerFromNib<MapsOptionsViewController>();
    options->setDelegate(std::static_pointer_cast<MapsOptionsViewControllerDelegate>(self()));
    options->setSelectedLayerName(mapLayer() ? mapLayer()->layerType() : std::string());
    options->setSelectedPOIType(poiType());
    options->setSelectedMapType(mapView() ? unsigned(mapView()->mapType()) : 0U);
    options->setCurrentMapTransparency(float(overlayAlpha()));
    if (const auto master = masterViewController<QOVScreenHost>()) {
        master->presentModalViewController(options, true);
    } else {
        presentModalViewController(options, true);
    }
}

void MapsViewController::tdxViewButtonPressed() {
    stopAnimations();
    m_tdxToolViewController = std::make_shared<TDXViewToolCotroller>(TDXViewToolCotroller::kInterfaceFile);
    const auto master = masterViewController<QOVScreenHost>();
    m_tdxToolViewController->setMasterViewController(master);
    m_tdxToolViewController->setDelegate(std::static_pointer_cast<TDXViewToolControllerDelegate>(self()));
    if (master) {
        master->hideLocationBar(false);
    }
    const auto tropical = m_tdxToolViewController->view();
    tropical->setHidden(false);
    layOutTropicalView();
    m_tdxToolViewController->cacheStormDataByRegions();
    view()->addSubview(tropical);
}

void MapsViewController::startAnimations() {
    m_showPlay = false;
    updatePlayButtonImage(platform::ui::BarButtonSystemItem::Pause);
    QOVMapViewController::startAnimations();
    if (!isAnimating()) {
        // Refused (no layer or no frames): the button stays on play.
        stopAnimations();
        return;
    }
    if (m_timestampLabel) {
        if (const auto strip = m_timestampLabel->superview()) {
            strip->bringSubviewToFront(m_timestampLabel);
        }
    }
}

void MapsViewController::stopAnimations() {
    QOVMapViewController::stopAnimations();
    m_showPlay = true;
    updatePlayButtonImage(platform::ui::BarButtonSystemItem::Play);
    if (m_animationSlider) {
        m_animationSlider->setHidden(true);
    }
    if (m_animationLoadingIndicator) {
        m_animationLoadingIndicator->stopAnimating();
    }
}

void MapsViewController::updateMapLayerWithName(std::string name) {
    QOVMapViewController::updateMapLayerWithName(name);
    updateMapLegend();
    togglePlayButtonForMapLayerWithName(name);
}

void MapsViewController::updateTimeStamp(const std::string& timeStamp) {
    if (m_timestampLabel) {
        m_timestampLabel->setText(timeStamp);
    }
}

void MapsViewController::updateFrameNumber(std::uint32_t frame) {
    if (m_animationSlider) {
        m_animationSlider->setValue(frame);
    }
}

void MapsViewController::updateTotalFrames(std::uint32_t totalFrames) {
    if (!m_animationSlider) {
        return;
    }
    m_animationSlider->setMinimumValue(0);
    m_animationSlider->setMaximumValue(totalFrames > 0 ? totalFrames - 1 : 0);
    m_animationSlider->setHidden(false);
    m_animationSlider->setValue(m_animationSlider->maximumValue());
}

void MapsViewController::animationLoadStarted() {
    if (!m_animationLoadingIndicator) {
        return;
    }
    m_animationLoadingIndicator->setHidden(false);
    if (const auto parent = m_animationLoadingIndicator->superview()) {
        parent->bringSubviewToFront(m_animationLoadingIndicator);
    }
    m_animationLoadingIndicator->startAnimating();
}

void MapsViewController::animationLoadFinished() {
    if (m_animationLoadingIndicator) {
        m_animationLoadingIndicator->stopAnimating();
    }
}

void MapsViewController::layerSelectedWithName(const std::string& name) {
    stopAnimations();
    updateMapLayerWithName(name);
    trackAction("Map_" + name);
}

void MapsViewController::poiSelectedWithType(std::int32_t type) {
    stopAnimations();
    if (const auto& map = mapView()) {
        // Every point goes; the current location's pin stays.
        auto points = map->annotations();
        std::erase(points, std::static_pointer_cast<platform::map::Annotation>(currentLocationAnnotation()));
        map->removeAnnotations(points);
    }
    requestPOIsForType(type);
}

void MapsViewController::mapTypeSelected(unsigned mapType) {
    if (mapView() && mapType <= unsigned(platform::map::MapType::Hybrid)) {
        mapView()->setMapType(platform::map::MapType(mapType));
    }
}

void MapsViewController::mapTransparencySelected(float transparency) { setOverlayAlpha(transparency); }

void MapsViewController::gpsDotSelected(bool on) {
    if (mapView()) {
        mapView()->setShowsUserLocation(on);
    }
}

void MapsViewController::toggleToolLocationBar() {
    if (const auto master = masterViewController<QOVScreenHost>()) {
        master->showLocationBar(false);
    }
    togglePlayButtonForMapLayerWithName(mapLayer() ? mapLayer()->layerType() : std::string());
}

void MapsViewController::removeTropicalView(const std::shared_ptr<platform::ui::View>& view) {
    if (view) {
        view->removeFromSuperview();
    }
}

void MapsViewController::launchModalViewControllerView(
    const std::shared_ptr<platform::ui::ViewController>& controller) {
    if (!controller) {
        return;
    }
    controller->viewWillAppear(false);
    if (const auto master = masterViewController<QOVScreenHost>()) {
        master->presentModalViewController(controller, true);
    }
}

void MapsViewController::dismissControllerView(const std::shared_ptr<platform::ui::ViewController>&) {
    if (const auto master = masterViewController<QOVScreenHost>()) {
        master->dismissModalViewControllerAnimated(true);
    }
}

}  // namespace qov
