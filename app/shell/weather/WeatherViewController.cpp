#include "app/shell/weather/WeatherViewController.h"

#include <algorithm>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdView.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/weather/BaseWeatherView.h"
#include "app/shell/weather/WeatherSegments.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/base/NotificationCenter.h"
#include "platform/ui/Image.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

namespace {

constexpr double kWidth = 320.0;
constexpr double kAdHeight = 50.0;
constexpr double kScreenHeight = 317.0;
constexpr double kContentHeight = 282.0;
constexpr double kSegmentHeight = 30.0;

bool samePlace(const std::shared_ptr<QOVLocation>& a, const std::shared_ptr<QOVLocation>& b) {
    return a && b && a->isEqualToLocation(*b);
}

}  // namespace

WeatherViewController::WeatherViewController(std::string nibName) : QOVViewController(std::move(nibName)) {
    setTitle(localized("weather.tabbar.title"));
    setSlidingTabBarItem(SlidingTabBarItem::create(
        "weather", title(), platform::ui::Image::named("tabbar-icon-weather.png"), 1, "Weather", "WEATHER"));
}

WeatherViewController::~WeatherViewController() {
    if (m_heartbeatTimer) {
        m_heartbeatTimer->invalidate();
    }
    ApplicationCacheFactory::sharedInstance().cache()->stopListeningForCurrentLocationWithDelegate(this);
}

void WeatherViewController::registerInterfaceFile() {
    const auto builder = [](platform::ui::InterfaceContext& file) {
        const auto owner = file.ownerAs<WeatherViewController>();
        auto view = file.makeTopLevel<platform::ui::View>(Rect(0, 0, kWidth, kScreenHeight));
        auto content = file.make<platform::ui::View>(Rect(0, 0, kWidth, kContentHeight));
        auto segments = file.make<platform::ui::SegmentedControl>();
        segments->setFrame(Rect(8, kContentHeight, 304, kSegmentHeight));
        segments->setHidden(true);
        view->addSubview(content);
        view->addSubview(segments);
        if (owner) {
            owner->m_contentView = content;
            owner->m_segControl = segments;
            segments->addAction(platform::ui::kControlEventValueChanged,
                                platform::bindWeak(owner, [](WeatherViewController& screen, platform::ui::Control&) {
                                    screen.segmentAction();
                                }));
            owner->setView(view);
        }
    };
    platform::ui::InterfaceFile::registerBuilder("WeatherViewController-iPhone", builder);
    platform::ui::InterfaceFile::registerBuilder("WeatherViewController-iPad", builder);
}

std::shared_ptr<WeatherViewController> WeatherViewController::self() {
    return std::static_pointer_cast<WeatherViewController>(shared_from_this());
}

void WeatherViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    m_views = createViews();
    if (const auto front = frontView()) {
        m_screenName = front->screenName();
    }
    if (m_segControl) {
        m_segControl->setSelectedSegmentIndex(0);
    }
    m_currentSelection = 0;
}

std::vector<std::shared_ptr<BaseWeatherView>> WeatherViewController::createViews() {
    std::vector<std::shared_ptr<BaseWeatherView>> views;
    views.reserve(kPanelClassNames.size());
    if (m_contentView) {
        fillBackingStoreAndView(views, *m_contentView, {kPanelClassNames.begin(), kPanelClassNames.end()});
    }
    return views;
}

void WeatherViewController::fillBackingStoreAndView(std::vector<std::shared_ptr<BaseWeatherView>>& views,
                                                    platform::ui::View& into, const std::vector<std::string>& names) {
    for (const auto& name : names) {
        auto panel = platform::ui::InterfaceFile::loadFirst<BaseWeatherView>(name);
        if (!panel) {
            continue;
        }
        panel->setDelegate(std::static_pointer_cast<BaseWeatherViewProtocol>(self()));
        views.push_back(panel);
        into.insertSubview(panel, 0);
    }
}

std::shared_ptr<BaseWeatherView> WeatherViewController::frontView() const {
    if (!m_contentView || m_contentView->subviews().empty()) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<BaseWeatherView>(m_contentView->subviews().back());
}

void WeatherViewController::viewWillAppear(bool animated) {
    QOVViewController::viewWillAppear(animated);
    ApplicationCacheFactory::sharedInstance().cache()->startListeningForCurrentLocationWithDelegate(
        std::static_pointer_cast<ApplicationCacheLocationChangedDelegate>(self()));
    if (m_heartbeatTimer) {
        m_heartbeatTimer->invalidate();
    }
    m_heartbeatTimer = platform::RunLoop::main().scheduleTimer(
        kHeartbeatInterval, true,
        platform::bindWeak(self(), [](WeatherViewController& screen, platform::Timer&) { screen.fireHeartbeat(); }));
    followAdSlot();
}

void WeatherViewController::viewDidAppear(bool animated) {
    QOVViewController::viewDidAppear(animated);
    const auto front = frontView();
    if (!front) {
        return;
    }
    setAdParameters(*front);
    const auto metrics = QOVMetricsService::sharedInstance();
    metrics->setLevel1("WEATHER");
    metrics->setLevel2(front->metricsLevel2());
    metrics->screenDisplayed(m_screenName);
}

void WeatherViewController::viewWillDisappear(bool animated) {
    ApplicationCacheFactory::sharedInstance().cache()->stopListeningForCurrentLocationWithDelegate(this);
    if (m_heartbeatTimer) {
        m_heartbeatTimer->invalidate();
        m_heartbeatTimer.reset();
    }
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    QOVViewController::viewWillDisappear(animated);
}

void WeatherViewController::viewDidUnload() {
    ApplicationCacheFactory::sharedInstance().cache()->stopListeningForCurrentLocationWithDelegate(this);
    m_segControl.reset();
    m_contentView.reset();
    m_views.clear();
    QOVViewController::viewDidUnload();
}

void WeatherViewController::applyTheme() {
    QOVViewController::applyTheme();
    if (m_segControl) {
        m_segControl->setTintColor(QOVThemeService::segmentedControlColor());
    }
}

int WeatherViewController::viewNumberAtPosition(int position) const {
    if (position < 0 || position >= static_cast<int>(m_segmentToViewMap.size())) {
        return 0;
    }
    return std::max(0, m_segmentToViewMap[static_cast<std::size_t>(position)]);
}

void WeatherViewController::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    if (!m_segControl) {
        return;
    }
    m_locationIsChanging = true;
    const int previous = viewNumberAtPosition(m_segControl->selectedSegmentIndex());
    m_segControl->removeAllSegments();
    m_segmentToViewMap =
        WeatherSegments::viewNumbersFor(location, QOVSettingsService::sharedInstance()->isMarineForecastEnabled());
    for (const int number : m_segmentToViewMap) {
        m_segControl->insertSegmentWithTitle(localized(WeatherSegments::kTitleKeys[static_cast<std::size_t>(number)]),
                                             m_segControl->numberOfSegments(), false);
    }
    // With one segment or none the control hides; the panel kept in front must then be one it offers.
    m_segControl->setHidden(m_segmentToViewMap.size() <= 1);
    showView(viewForSegment(previous));
    if (!samePlace(location, m_location)) {
        if (location && location->beachAndBoatForecast()) {
            loadCurrentView();
        } else {
            loadDefaultView();
        }
    }
    m_location = location;
    for (const auto& panel : m_views) {
        panel->updateLocation(location);
    }
    selectSegmentOfFrontView();
    m_locationIsChanging = false;
}

void WeatherViewController::selectSegmentOfFrontView() {
    const auto front = frontView();
    const auto number = std::find(m_views.begin(), m_views.end(), front) - m_views.begin();
    const auto found = std::find(m_segmentToViewMap.begin(), m_segmentToViewMap.end(), static_cast<int>(number));
    const int position = found == m_segmentToViewMap.end() ? 0 : static_cast<int>(found - m_segmentToViewMap.begin());
    m_segControl->setSelectedSegmentIndex(position);
}

std::shared_ptr<BaseWeatherView> WeatherViewController::viewForSegment(int viewNumber) const {
    const bool offered =
        std::find(m_segmentToViewMap.begin(), m_segmentToViewMap.end(), viewNumber) != m_segmentToViewMap.end();
    const auto index = static_cast<std::size_t>(offered ? viewNumber : WeatherSegments::kRightNow);
    return index < m_views.size() ? m_views[index] : nullptr;
}

void WeatherViewController::showView(const std::shared_ptr<BaseWeatherView>& panel) {
    if (!panel || !m_contentView) {
        return;
    }
    m_screenName = panel->screenName();
    m_contentView->bringSubviewToFront(panel);
}

void WeatherViewController::loadCurrentView() {
    const int position = m_currentSelection < m_segControl->numberOfSegments() ? m_currentSelection : 0;
    m_segControl->setSelectedSegmentIndex(position);
    showView(viewForSegment(viewNumberAtPosition(position)));
}

void WeatherViewController::loadDefaultView() {
    m_segControl->setSelectedSegmentIndex(0);
    showView(viewForSegment(WeatherSegments::kRightNow));
}

void WeatherViewController::segmentAction() {
    const int position = m_segControl->selectedSegmentIndex();
    const int number = viewNumberAtPosition(position);
    m_currentSelection = std::max(0, position);
    const auto panel = viewForSegment(number);
    if (panel && !m_locationIsChanging) {
        setAdParameters(*panel);
    }
    showView(panel);
    if (panel) {
        const auto metrics = QOVMetricsService::sharedInstance();
        metrics->setLevel2(panel->metricsLevel2());
        metrics->screenDisplayed(m_screenName);
    }
}

void WeatherViewController::setAdParameters(const BaseWeatherView& panel) {
    const auto master = masterViewController();
    if (!master || !master->adView()) {
        return;
    }
    const auto& ad = master->adView();
    ad->setPage(panel.adPage());
    ad->setTab(panel.adTab());
    ad->setSection(panel.adSection());
    ad->refreshAdView();
}

void WeatherViewController::fireHeartbeat() {
    for (const auto& panel : m_views) {
        panel->heartbeat();
    }
}

void WeatherViewController::resize(double screenHeight, double contentHeight, double panelDelta) {
    view()->setFrame(Rect(0, 0, kWidth, screenHeight));
    if (m_contentView) {
        m_contentView->setFrame(Rect(0, 0, kWidth, contentHeight));
        for (const auto& panel : m_contentView->subviews()) {
            const Rect frame = panel->frame();
            panel->setFrame(Rect(frame.origin, platform::ui::Size{frame.size.width, frame.size.height + panelDelta}));
        }
    }
    if (m_segControl) {
        m_segControl->setFrame(Rect(8, contentHeight, 304, kSegmentHeight));
    }
}

void WeatherViewController::adViewDidHide() {
    if (m_adViewHidden) {
        return;
    }
    resize(kScreenHeight + kAdHeight, kContentHeight + kAdHeight, kAdHeight);
    m_adViewHidden = true;
}

void WeatherViewController::adViewDidShow() {
    if (!m_adViewHidden) {
        return;
    }
    resize(kScreenHeight, kContentHeight, -kAdHeight);
    m_adViewHidden = false;
}

}  // namespace qov
