#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/neighbours/QOVAdViewDelegate.h"
#include "app/shell/errorbar/ErrorBarDelegate.h"
#include "app/shell/errorbar/ErrorBarHideTimer.h"
#include "app/shell/locations/LocationSearchBarDelegate.h"
#include "app/shell/tabbar/SlidingTabBarDelegate.h"
#include "app/ui/base/QOVScreenHost.h"
#include "platform/base/NotificationCenter.h"

namespace qov {

class ErrorBar;
class QOVAdView;
class QOVView;
class SlidingTabBar;
class SlidingTabBarItem;

// The root screen once the terms are accepted. Its interface file ("QOVMasterViewController") lays out the ad
// slot at the top, the location bar container under it, the content view that hosts the selected tab's screen,
// the tab strip container at the bottom and the error bar container (hidden one bar height above the top).
//
// It builds the tab screens from the current location's country and the locale (US-only screens need "en_US"
// and a US location), switches the shown screen, hides and reveals the bars (posting a notification for each
// movement), turns fired errors into "Notice" alerts while it is on screen, and offers the tab screens a few
// services: a message in the error bar, full-screen content, mail, the favourites, a screen by its tab name.
//
// Main thread only. It listens to the application cache for the current location from viewDidLoad on, and keeps
// its tab screens (each knows it weakly as its masterViewController).
class QOVMasterViewController : public QOVScreenHost,
                                public ApplicationCacheLocationChangedDelegate,
                                public SlidingTabBarDelegate,
                                public ErrorBarDelegate,
                                public LocationSearchBarDelegate,
                                public QOVAdViewDelegate {
public:
    static constexpr const char* kInterfaceFile = "QOVMasterViewController";
    static constexpr const char* kRedirectMessage = "Re-directing to Weather Tab";
    static constexpr double kDefaultErrorBarLife = 3.0;

    static constexpr const char* kTabBarHiddenNotification = "tabBarHiddenNotification";
    static constexpr const char* kTabBarRevealedNotification = "tabBarRevealedNotification";
    static constexpr const char* kLocationBarHiddenNotification = "locationBarHiddenNotification";
    static constexpr const char* kLocationBarRevealedNotification = "locationBarRevealedNotification";
    static constexpr const char* kErrorBarHiddenNotification = "errorBarHiddenNotification";
    static constexpr const char* kErrorBarRevealedNotification = "errorBarRevealedNotification";
    static constexpr const char* kContentViewFullscreenNotification = "contentViewFullscrenNotification";
    static constexpr const char* kContentViewReturnedNotification = "contentViewReturnedNotification";

    // A root controller whose view comes from its interface file.
    static std::shared_ptr<QOVMasterViewController> fromInterfaceFile();

    explicit QOVMasterViewController(std::string nibName = kInterfaceFile);
    ~QOVMasterViewController() override;

    // Outlets of the interface file.
    std::shared_ptr<QOVAdView> m_adView;
    std::shared_ptr<platform::ui::View> m_locationBarView;
    std::shared_ptr<platform::ui::View> m_errorBarView;
    std::shared_ptr<platform::ui::View> m_slidingBarView;
    std::shared_ptr<platform::ui::View> m_contentView;

    const std::shared_ptr<QOVAdView>& adView() const { return m_adView; }
    const std::shared_ptr<ErrorBar>& errorBar() const { return m_errorBar; }
    const std::shared_ptr<QOVView>& locationBar() const { return m_locationBar; }
    const std::shared_ptr<SlidingTabBar>& tabBar() const { return m_tabbar; }
    // The tab screens in tab order (the item with tag i + 1 belongs to screen i) and the one shown.
    const std::vector<std::shared_ptr<QOVViewController>>& viewControllers() const { return m_viewControllers; }
    const std::shared_ptr<QOVViewController>& shownViewController() const { return m_viewController; }
    const std::optional<std::string>& currentCountryCode() const { return m_currentCountryCode; }

    // QOVViewController
    void viewDidLoad() override;
    void viewDidUnload() override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void applyTheme() override;
    std::optional<std::string> pageName() const override { return std::nullopt; }
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;

    // Tab set and switching.
    void buildAndLoadViewControllers();
    void rebuildTabBar();
    void loadViewControllerIntoContentView(const std::shared_ptr<QOVViewController>& screen);
    // Shows the first screen whose tab item has the name; only selects its item when it is shown already.
    void displayViewControllerByName(const std::string& itemName);
    static bool isViewController(const QOVViewController& screen, const QOVLocation& location);

    // Bars. show/hide move a bar only when it is in the other state; the toggles always move it.
    bool isAdViewHidden() const override { return m_adViewHidden; }
    bool isLocationBarHidden() const { return m_locationBarHidden; }
    bool isErrorBarHidden() const { return m_errorBarHidden; }
    bool isTabBarHidden() const { return m_tabBarHidden; }
    bool isContentViewFullscreen() const { return m_contentViewFullscreen; }
    void hideTabBar(bool animated);
    void showTabBar(bool animated);
    void hideLocationBar(bool animated) override;
    void showLocationBar(bool animated) override;
    void hideErrorBar(bool animated);
    void showErrorBar(bool animated);
    void hideAdView(bool animated);
    void showAdView(bool animated);
    void toggleTabBar(bool animated);
    void toggleLocationBar(bool animated);
    void toggleErrorBar(bool animated);
    void toggleAdView(bool animated);
    void toggleFullScreenContent(bool animated) { toggleFullScreenContent(animated, false); }
    void toggleFullScreenContent(bool animated, bool coverAds) override;
    void resetViewPositions();
    void bringLocationBarToFront();
    // How long a revealed error bar stays, in seconds; 0 or less keeps it up.
    double errorBarLife() const { return m_errorBarLife; }
    void setErrorBarLife(double seconds) { m_errorBarLife = seconds; }
    bool doesSupportLandscape() const { return m_supportLandscape; }
    void setSupportLandscape(bool support) { m_supportLandscape = support; }

    // Services for the tab screens.
    void displayErrorMessage(const std::string& message, const std::shared_ptr<platform::ui::Image>& image = nullptr);
    // The mail a screen offers to write (body, subject, recipients): no composer can send it here
    // (MailComposeViewController::canSendMail()), so the error bar says "This device cannot send email.".
    void createEmailWithMessage(const std::string& message, const std::string& subject,
                                const std::vector<std::string>& recipients, bool isHTML);
    void displayFavorites();
    void refreshAdViewForPage(const std::string& page, const std::string& tab, const std::string& section) override;

    // ApplicationCacheLocationChangedDelegate: the current location's weather.
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;
    // SlidingTabBarDelegate
    void tabBarDidSelectItem(SlidingTabBar& tabBar, SlidingTabBarItem& item) override;
    // ErrorBarDelegate
    void errorBarShouldClose(ErrorBar& errorBar) override;
    // QOVAdViewDelegate
    void adViewDidLoadAd(QOVAdView& adView) override;
    bool adViewActionWillStart(QOVAdView& adView, bool willLeaveApplication) override;
    // Clears the error category of the dismissed "Notice" alert.
    void alertViewWillDismissWithButtonIndex(platform::ui::AlertView& alert, int index) override;

private:
    std::shared_ptr<QOVMasterViewController> self();
    void buildAndLoadLocationBar();
    void buildAndLoadErrorBar();
    void buildAndLoadTabBar();
    void initDefaultViewStates();
    void handleErrorNotification(const platform::Notification& notification);
    void updateOriginOfView(platform::ui::View& view, platform::ui::Point offset);
    void startSimpleAnimation(bool animated);
    void endSimpleAnimation(bool animated);
    void postMovement(const char* name, const std::shared_ptr<platform::ui::View>& object);
    std::shared_ptr<SlidingTabBarItem> itemOf(const QOVViewController& screen) const;
    // The screen, or the same page in another instance, is the one in the content view.
    bool isShown(const QOVViewController& screen) const;

    std::vector<std::shared_ptr<QOVViewController>> m_viewControllers;
    std::map<const platform::ui::AlertView*, std::int32_t> m_errorAlerts;
    std::shared_ptr<QOVViewController> m_viewController;
    std::shared_ptr<ErrorBar> m_errorBar;
    std::shared_ptr<QOVView> m_locationBar;
    std::shared_ptr<SlidingTabBar> m_tabbar;
    ErrorBarHideTimer m_errorBarHideTimer;
    bool m_adViewHidden = false;
    bool m_locationBarHidden = false;
    bool m_errorBarHidden = true;
    bool m_tabBarHidden = false;
    bool m_contentViewFullscreen = false;
    double m_errorBarLife = kDefaultErrorBarLife;
    std::optional<std::string> m_currentCountryCode;
    bool m_supportLandscape = false;
};

}  // namespace qov
