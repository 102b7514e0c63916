#include "app/shell/root/QOVMasterViewController.h"

#include <algorithm>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/categories/NSLocaleQOV.h"
#include "app/core/error/QOVError.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdView.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/locations/LocationSearchBar.h"
#include "app/shell/root/TabScreenList.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "app/ui/base/QOVView.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/InterfaceFile.h"

QOV_LOG_LEVEL(15)

namespace qov {

std::shared_ptr<QOVMasterViewController> QOVMasterViewController::fromInterfaceFile() {
    return std::make_shared<QOVMasterViewController>(kInterfaceFile);
}

QOVMasterViewController::QOVMasterViewController(std::string nibName) : QOVScreenHost(std::move(nibName)) {}

QOVMasterViewController::~QOVMasterViewController() {
    ApplicationCacheFactory::sharedInstance().cache()->stopListeningForCurrentLocationWithDelegate(this);
}

std::shared_ptr<QOVMasterViewController> QOVMasterViewController::self() {
    return std::static_pointer_cast<QOVMasterViewController>(shared_from_this());
}

void QOVMasterViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    buildAndLoadLocationBar();
    buildAndLoadErrorBar();
    initDefaultViewStates();
    buildAndLoadViewControllers();
    if (!m_viewControllers.empty()) {
        loadViewControllerIntoContentView(m_viewControllers.front());
        if (m_tabbar) {
            if (const auto item = itemOf(*m_viewControllers.front())) {
                m_tabbar->setSelectedItem(item);
            }
        }
    }
    ApplicationCacheFactory::sharedInstance().cache()->startListeningForCurrentLocationWithDelegate(
        std::static_pointer_cast<ApplicationCacheLocationChangedDelegate>(self()));
    platform::NotificationCenter::defaultCenter().addObserver(
        this, QOVSettingsService::kSwaggerStatusUpdatedNotification,
        platform::bindWeak(
            self(), [](QOVMasterViewController& master, const platform::Notification&) { master.rebuildTabBar(); }));
}

void QOVMasterViewController::viewDidUnload() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    ApplicationCacheFactory::sharedInstance().cache()->stopListeningForCurrentLocationWithDelegate(this);
    m_locationBar.reset();
    m_errorBar.reset();
    m_tabbar.reset();
    m_adView.reset();
    m_locationBarView.reset();
    m_errorBarView.reset();
    m_slidingBarView.reset();
    m_contentView.reset();
    m_viewControllers.clear();
    QOVViewController::viewDidUnload();
}

void QOVMasterViewController::viewDidAppear(bool animated) {
    QOVViewController::viewDidAppear(animated);
    platform::NotificationCenter::defaultCenter().removeObserver(this, QOVError::kFiredNotification);
    platform::NotificationCenter::defaultCenter().addObserver(
        this, QOVError::kFiredNotification,
        platform::bindWeak(self(), [](QOVMasterViewController& master, const platform::Notification& notification) {
            master.handleErrorNotification(notification);
        }));
    QOVError::clearAllErrors();
}

void QOVMasterViewController::viewWillDisappear(bool animated) {
    platform::NotificationCenter::defaultCenter().removeObserver(this, QOVError::kFiredNotification);
    QOVViewController::viewWillDisappear(animated);
}

void QOVMasterViewController::applyTheme() {
    QOVViewController::applyTheme();
    if (m_contentView) {
        m_contentView->setBackgroundColor(QOVThemeService::backgroundColor());
    }
}

bool QOVMasterViewController::shouldAutorotateToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation) const {
    return m_supportLandscape || orientation == platform::ui::DeviceOrientation::Portrait;
}

void QOVMasterViewController::buildAndLoadLocationBar() {
    // The location bar comes from its own interface file; without one the container stays empty.
    if (!platform::ui::InterfaceFile::exists(LocationSearchBar::kInterfaceFileName) || !m_locationBarView) {
        return;
    }
    auto bar = platform::ui::InterfaceFile::loadFirst<LocationSearchBar>(LocationSearchBar::kInterfaceFileName);
    m_locationBar = bar;
    if (bar) {
        bar->setDelegate(std::static_pointer_cast<LocationSearchBarDelegate>(self()));
        bar->setMasterViewController(self());
        m_locationBarView->addSubview(m_locationBar);
        bringLocationBarToFront();
    }
}

void QOVMasterViewController::buildAndLoadErrorBar() {
    m_errorBar = QOVView::viewFromNIB<ErrorBar>();
    if (m_errorBar && m_errorBarView) {
        m_errorBar->setDelegate(std::static_pointer_cast<ErrorBarDelegate>(self()));
        m_errorBarView->addSubview(m_errorBar);
    }
}

void QOVMasterViewController::buildAndLoadTabBar() {
    m_tabbar = QOVView::viewFromNIB<SlidingTabBar>();
    if (!m_tabbar || !m_slidingBarView) {
        return;
    }
    m_tabbar->setDelegate(std::static_pointer_cast<SlidingTabBarDelegate>(self()));
    m_tabbar->setMasterViewController(self());
    m_slidingBarView->addSubview(m_tabbar);
}

void QOVMasterViewController::initDefaultViewStates() {
    m_adViewHidden = false;
    m_errorBarHidden = true;
    m_locationBarHidden = false;
    m_tabBarHidden = false;
    m_contentViewFullscreen = false;
}

std::shared_ptr<SlidingTabBarItem> QOVMasterViewController::itemOf(const QOVViewController& screen) const {
    return screen.slidingTabBarItem();
}

void QOVMasterViewController::buildAndLoadViewControllers() {
    if (!m_tabbar) {
        buildAndLoadTabBar();
    }
    m_viewControllers.clear();
    std::vector<std::shared_ptr<SlidingTabBarItem>> items;
    const bool usTabsAllowed = NSLocaleQOV::simpleLocaleIdentifier() == "en_US" && m_currentCountryCode == "US";
    for (const auto& name : TabScreenList::classNames(TabScreenList::currentConditions())) {
        auto screen = platform::ui::ClassRegistry::create<QOVViewController>(name);
        if (!screen || (screen->isUSOnly() && !usTabsAllowed)) {
            continue;
        }
        auto item = screen->slidingTabBarItem();
        items.push_back(item ? item : SlidingTabBarItem::emptyItem());
        screen->setMasterViewController(self());
        m_viewControllers.push_back(std::move(screen));
    }
    if (m_tabbar) {
        m_tabbar->setItems(items);
    }

    if (!m_viewController) {
        return;
    }
    const auto shownPage = m_viewController->pageName();
    if (!shownPage) {
        return;
    }
    const auto same = std::find_if(m_viewControllers.begin(), m_viewControllers.end(),
                                   [&](const auto& screen) { return isShown(*screen); });
    if (same != m_viewControllers.end()) {
        // The shown screen stays; its place in the new strip is highlighted without reporting it again, and the
        // new strip scrolls to show it.
        if (m_tabbar) {
            if (const auto item = itemOf(**same)) {
                m_tabbar->setHighlightedItem(item);
                m_tabbar->leftJustifyTabBarOnItem(*item, false);
            }
        }
        return;
    }
    if (!m_viewControllers.empty()) {
        loadViewControllerIntoContentView(m_viewControllers.front());
    }
}

void QOVMasterViewController::rebuildTabBar() {
    if (m_tabbar) {
        m_tabbar->removeFromSuperview();
        m_tabbar.reset();
    }
    buildAndLoadTabBar();
    buildAndLoadViewControllers();
}

void QOVMasterViewController::loadViewControllerIntoContentView(const std::shared_ptr<QOVViewController>& screen) {
    if (const auto old = m_viewController) {
        old->viewControllerWillUnload();
        old->viewWillDisappear(true);
        if (old->isViewLoaded() && old->view()->superview() == m_contentView) {
            old->view()->removeFromSuperview();
        }
        old->viewDidDisappear(true);
        old->viewControllerDidUnload();
    }
    resetViewPositions();
    if (m_viewController) {
        platform::NotificationCenter::defaultCenter().removeObserver(m_viewController.get());
    }
    if (!screen) {
        m_viewController.reset();
        return;
    }
    screen->registerForNotifications();
    screen->viewControllerWillLoad();
    m_viewController = screen;
    screen->setMasterViewController(self());
    screen->viewControllerDidLoad();
    // The view is loaded (and sized to the content view) before the screen hears it will appear.
    const auto view = screen->view();
    if (m_contentView) {
        view->setFrame(m_contentView->bounds());
    }
    screen->viewWillAppear(true);
    if (m_contentView) {
        m_contentView->addSubview(view);
    }
    screen->viewDidAppear(true);
}

bool QOVMasterViewController::isShown(const QOVViewController& screen) const {
    if (!m_viewController) {
        return false;
    }
    if (&screen == m_viewController.get()) {
        return true;
    }
    // A rebuild keeps showing the earlier instance of a screen whose page is still in the list, or of its
    // class (the weather screen's page name follows the panel in front).
    const auto page = screen.pageName();
    return (page && page == m_viewController->pageName()) || screen.className() == m_viewController->className();
}

void QOVMasterViewController::tabBarDidSelectItem(SlidingTabBar&, SlidingTabBarItem& item) {
    const auto index = static_cast<std::size_t>(item.tag() - 1);
    // The shown screen's own item leaves it as it is (a second load would unload and reload the same screen).
    if (item.tag() >= 1 && index < m_viewControllers.size() && !isShown(*m_viewControllers[index])) {
        loadViewControllerIntoContentView(m_viewControllers[index]);
    }
}

void QOVMasterViewController::displayViewControllerByName(const std::string& itemName) {
    const auto found = std::find_if(m_viewControllers.begin(), m_viewControllers.end(), [&](const auto& screen) {
        const auto item = itemOf(*screen);
        return item && item->itemName() == itemName;
    });
    if (found == m_viewControllers.end()) {
        return;
    }
    const auto item = itemOf(**found);
    if (isShown(**found)) {
        if (m_tabbar) {
            m_tabbar->setHighlightedItem(item);
        }
        return;
    }
    // Selecting the item reports it and asks this controller (its delegate) to show the screen, once.
    if (m_tabbar) {
        m_tabbar->setSelectedItem(item);
    } else {
        loadViewControllerIntoContentView(*found);
    }
}

bool QOVMasterViewController::isViewController(const QOVViewController& screen, const QOVLocation& location) {
    return location.countryCode() == "US" || !screen.isUSOnly();
}

void QOVMasterViewController::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        return;
    }
    const auto shownBefore = m_viewController;
    const auto& code = location->countryCode();
    if (code.empty() || m_currentCountryCode != code) {
        m_currentCountryCode = code.empty() ? std::nullopt : std::optional<std::string>(code);
        rebuildTabBar();
    }
    // A rebuild that dropped the shown screen has put the first tab in its place already.
    bool forcedOut = shownBefore && m_viewController != shownBefore;
    if (m_viewController && !isViewController(*m_viewController, *location) && !m_viewControllers.empty()) {
        loadViewControllerIntoContentView(m_viewControllers.front());
        if (const auto item = itemOf(*m_viewControllers.front()); item && m_tabbar) {
            m_tabbar->setHighlightedItem(item);
        }
        forcedOut = true;
    }
    if (forcedOut) {
        displayErrorMessage(kRedirectMessage);
    }
    if (m_adView) {
        m_adView->setLocation(location);
    }
}

}  // namespace qov
