#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/neighbours/QOVBeaconServiceDelegate.h"
#include "platform/ui/AlertViewDelegate.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Responder.h"

namespace platform {
class MemoryLogger;
}
namespace platform::ui {
class ViewController;
class Window;
}  // namespace platform::ui

namespace qov {

// The application delegate. The main interface file ("MainWindow") makes the one delegate of the process and its
// window; the platform's application object keeps it for the life of the process and tells it of launch,
// activation, URLs and push registration. Every other part of the application reaches it through
// currentAppDelegate().
//
// Launch (didFinishLaunching) starts measurement, adds the console logger, reads the version bookkeeping, records
// the launch, puts the splash screen on the window, upgrades older data or installs the default location, registers
// for push alerts, restores test mode and makes the window visible. When the splash has run,
// presentMainViewAfterSplash() shows the terms screen until they were accepted, then the root controller.
//
// Main thread only, except the audience-measurement start, which runs once on the global queue.
class QOVAppDelegate : public platform::ui::Responder,
                       public platform::ui::ApplicationDelegate,
                       public platform::ui::AlertViewDelegate,
                       public QOVBeaconServiceDelegate {
public:
    static constexpr const char* kLastVersionRanKey = "lastVersionRan";
    static constexpr const char* kAppTestModeKey = "appTestMode";
    static constexpr const char* kTermsViewShouldHideKey = "kTermsViewShouldHide";
    static constexpr const char* kPushTutorialShownKey = "kPushTutorialShown";
    static constexpr const char* kVersionCheckDateKey = "versionCheckDate";
    static constexpr const char* kOldLocationListKey = "locationList";
    static constexpr const char* kWillResignActiveNotification = "kApplicationWillResignActiveNotification";
    static constexpr const char* kMainInterfaceFile = "MainWindow";
    // Sound and alert.
    static constexpr int kRemoteNotificationTypes = 6;
    static constexpr double kPushTutorialDelay = 10.0;
    // The in-memory logger's length while test mode keeps it.
    static constexpr std::size_t kMemLoggerMaxLines = 128;

    // The shared application's delegate, or nullptr before the main interface file made it.
    static std::shared_ptr<QOVAppDelegate> currentAppDelegate();

    // platform::ui::ApplicationDelegate
    bool didFinishLaunching(platform::ui::Application& application, const platform::Dictionary& options) override;
    void didBecomeActive(platform::ui::Application& application) override;
    void willResignActive(platform::ui::Application& application) override;
    void willEnterForeground(platform::ui::Application& application) override;
    void willTerminate(platform::ui::Application& application) override;
    // Always answers true: "qov://swagger-access..." goes to the Twitter service, other "qov" hosts are ignored,
    // any other scheme goes to the Facebook service.
    bool handleOpenURL(platform::ui::Application& application, const std::string& url) override;
    void didRegisterForRemoteNotifications(platform::ui::Application& application,
                                           const platform::Data& deviceToken) override;
    void didFailToRegisterForRemoteNotifications(platform::ui::Application& application,
                                                 const std::string& error) override;

    // The "New QOV App Available" alert: "Upgrade" (index 1) opens the store page.
    void alertViewDidDismissWithButtonIndex(platform::ui::AlertView& alert, int index) override;

    // Outlet of the main interface file.
    const std::shared_ptr<platform::ui::Window>& window() const { return m_window; }
    void setWindow(std::shared_ptr<platform::ui::Window> window) { m_window = std::move(window); }
    // The window's root controller: the splash, the terms screen or the root controller.
    const std::shared_ptr<platform::ui::ViewController>& viewController() const { return m_viewController; }
    void setViewController(std::shared_ptr<platform::ui::ViewController> controller);

    // "lastVersionRan" as read at launch (none on a first run) and the bundle's short version.
    const std::optional<std::string>& lastVersion() const { return m_lastVersion; }
    const std::string& currentVersion() const { return m_currentVersion; }
    // An earlier version ran, or none is recorded but data of a much older release ("locationList") exists.
    bool applicationUpgraded() const;
    bool oldLocationsExist() const;

    // The home's Library, Library/Caches and Documents folders; every file cache builds on the caches folder.
    static std::filesystem::path applicationLibraryDirectory();
    static std::filesystem::path applicationCachesDirectory();
    static std::filesystem::path applicationDocumentsDirectory();

    // Test mode, persisted in "appTestMode": switches the ad manager and the data-service client, and keeps the
    // newest log lines in memory while on. Setting the current value does nothing.
    bool testMode() const { return m_testMode; }
    void setTestMode(bool testMode);
    const std::shared_ptr<platform::MemoryLogger>& memLogger() const { return m_memLogger; }

    // Carries older releases' data into the current stores and records the current version.
    void upgradeAppData();

    // The hand-over after the splash: the root controller when the terms were accepted (with the one-time push
    // alert on a first run), the terms screen otherwise.
    void presentMainViewAfterSplash();
    bool shouldTermsViewhide() const { return m_shouldTermsViewhide; }
    void handlePushNotificationAlert();
    void showPushTutorialAlert();

    void configurePushNotification();
    // Asks for a GPS fix; a found place becomes a favourite, a failure installs the default location.
    void locateUser();

    // QOVBeaconServiceDelegate: the message goes to the log ("Beacon message: ..."); alerts and beta-testing
    // checkpoints are ignored.
    void logMessage(const std::string& message) override;
    void showAlertWithMessage(const std::string& /*message*/) override {}
    void callBetaTestWithCheckpoint(const std::string& /*checkpoint*/) override {}

    // A placeholder address nothing asks for.
    static std::string configurationURL();

private:
    void checkForNewerVersion();
    void userLocatingSucceeded(const platform::Value& location);
    void userLocatingFailed();

    std::shared_ptr<platform::ui::Window> m_window;
    std::shared_ptr<platform::ui::ViewController> m_viewController;
    std::optional<std::string> m_lastVersion;
    std::string m_currentVersion;
    bool m_testMode = false;
    std::shared_ptr<platform::MemoryLogger> m_memLogger;
    bool m_shouldTermsViewhide = false;
};

}  // namespace qov
