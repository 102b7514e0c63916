#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/neighbours/ComposeTweetDelegate.h"
#include "app/neighbours/QOVTwitterServiceDelegate.h"
#include "app/shell/weather/BaseWeatherViewProtocol.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/base/RunLoop.h"
#include "platform/ui/ActionSheetDelegate.h"
#include "platform/ui/SegmentedControl.h"

namespace qov {

class BaseWeatherView;
class QOVTweet;

// The root screen of the Weather tab: the current location's weather in five panels stacked in one content
// view (right now, hourly, 36-hour, 10-day, beach and boat; the last subview is the panel in front), switched
// by a segmented control that offers only the panels the location has data for.
//
// It listens to the application cache for the current location while it is visible and hands every location
// to all panels; a refreshed record of the same place (key and type) keeps the user's panel, another place
// returns to the right-now panel (or keeps the user's position when it has beach data). While visible a
// repeating 30 s timer beats every panel (re-writing and re-colouring their "Updated" line). It sets the root
// controller's ad parameters and the metrics levels from the panel in front, shrinks or grows with the ad
// slot, and carries the sharing flow (e-mail, contacts, Facebook, Twitter) the panels' share buttons start.
//
// Main thread only. Panels, control and content view are owned; the panel last shared is not.
class WeatherViewController : public QOVViewController,
                              public ApplicationCacheLocationChangedDelegate,
                              public platform::ui::ActionSheetDelegate,
                              public BaseWeatherViewProtocol,
                              public QOVTwitterServiceDelegate,
                              public ComposeTweetDelegate {
public:
    static constexpr const char* kInterfaceFile = "WeatherViewController-iPhone";
    static constexpr double kHeartbeatInterval = 30.0;
    static constexpr const char* kShareSheetTitle = "Share Current Conditions";
    static constexpr const char* kEmailSubject = "Weather Conditions from Qovara";
    static constexpr const char* kTwitterFailedMessage = "Twitter sign-in failed. Please try again later.";
    static constexpr std::array<const char*, 4> kSharingButtonTitles = {"Email to a Friend", "View Contact List",
                                                                        "Post to Facebook", "Post a Tweet"};
    static constexpr std::array<const char*, 5> kPanelClassNames = {"RightNowView", "HourlyView", "ThirtySixHourView",
                                                                    "TenDayView", "BeachView"};

    // Registers the "weather" tab item.
    explicit WeatherViewController(std::string nibName = kInterfaceFile);
    ~WeatherViewController() override;
    // The screen's interface files (phone and pad).
    static void registerInterfaceFile();

    // Outlets.
    std::shared_ptr<platform::ui::SegmentedControl> m_segControl;
    std::shared_ptr<platform::ui::View> m_contentView;

    // QOVViewController
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidUnload() override;
    void applyTheme() override;
    std::optional<std::string> pageName() const override { return m_screenName; }
    bool fireBeaconOnAppear() const override { return false; }

    // ApplicationCacheLocationChangedDelegate
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;

    // The panels.
    void segmentAction();
    std::shared_ptr<BaseWeatherView> viewForSegment(int viewNumber) const;
    void showView(const std::shared_ptr<BaseWeatherView>& panel);
    void loadCurrentView();
    void loadDefaultView();
    void fireHeartbeat();
    void adViewDidHide() override;
    void adViewDidShow() override;

    // Sharing (BaseWeatherViewProtocol and the action sheet).
    void shareButtonWasPressedForBaseWeatherView(BaseWeatherView& panel) override;
    void displaySharingOptionsWithView(BaseWeatherView& panel);
    void actionSheetClickedButtonAtIndex(platform::ui::ActionSheet& sheet, int index) override;
    void launchSharingOptionForIndex(int option);
    void shareViaEmail();
    void shareViaContactList();
    void shareViaFacebook();
    void shareViaTwitter();

    // Twitter.
    void composeTweet(const std::shared_ptr<QOVTweet>& tweet);
    void tweetButtonPressed();
    void swaggerButtonPressed() override;
    void twitterLoginSuccessful() override;
    void twitterLoginFailed() override;
    void twitterLoginCancelled() override;
    void cancelTweetComposition() override;
    void showFullFeedPage() override;
    bool hasDefaultTweetText() override { return true; }

    // State, for the root controller and tests.
    const std::vector<std::shared_ptr<BaseWeatherView>>& views() const { return m_views; }
    const std::vector<int>& segmentToViewMap() const { return m_segmentToViewMap; }
    const std::shared_ptr<QOVLocation>& location() const { return m_location; }
    int currentSelection() const { return m_currentSelection; }
    bool isAdViewHidden() const override { return m_adViewHidden; }
    // The panel in front, or nullptr before the view loads.
    std::shared_ptr<BaseWeatherView> frontView() const;

private:
    std::shared_ptr<WeatherViewController> self();
    std::vector<std::shared_ptr<BaseWeatherView>> createViews();
    void fillBackingStoreAndView(std::vector<std::shared_ptr<BaseWeatherView>>& views, platform::ui::View& into,
                                 const std::vector<std::string>& names);
    // The view number of the segment at a position: 0 for no or an unknown position.
    int viewNumberAtPosition(int position) const;
    void selectSegmentOfFrontView();
    void setAdParameters(const BaseWeatherView& panel);
    void resize(double screenHeight, double contentHeight, double panelDelta);

    std::vector<std::shared_ptr<BaseWeatherView>> m_views;
    std::shared_ptr<platform::Timer> m_heartbeatTimer;
    std::shared_ptr<QOVLocation> m_location;
    std::vector<int> m_segmentToViewMap;
    bool m_locationIsChanging = false;
    bool m_adViewHidden = false;
    std::weak_ptr<BaseWeatherView> m_shareView;
    std::string m_screenName;
    int m_currentSelection = 0;
};

}  // namespace qov
