#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Value.h"
#include "platform/ui/ApplicationDelegate.h"
#include "platform/ui/Device.h"

namespace platform::ui {

class Window;

inline constexpr const char* kApplicationDidFinishLaunchingNotification = "UIApplicationDidFinishLaunchingNotification";
inline constexpr const char* kApplicationDidBecomeActiveNotification = "UIApplicationDidBecomeActiveNotification";
inline constexpr const char* kApplicationWillResignActiveNotification = "UIApplicationWillResignActiveNotification";
inline constexpr const char* kApplicationDidEnterBackgroundNotification = "UIApplicationDidEnterBackgroundNotification";
inline constexpr const char* kApplicationWillEnterForegroundNotification =
    "UIApplicationWillEnterForegroundNotification";
inline constexpr const char* kApplicationWillTerminateNotification = "UIApplicationWillTerminateNotification";
inline constexpr const char* kApplicationDidReceiveMemoryWarningNotification =
    "UIApplicationDidReceiveMemoryWarningNotification";
// Posted when the interface turns; the user information holds the old orientation (an integer).
inline constexpr const char* kApplicationDidChangeStatusBarOrientationNotification =
    "UIApplicationDidChangeStatusBarOrientationNotification";
inline constexpr const char* kApplicationStatusBarOrientationUserInfoKey =
    "UIApplicationStatusBarOrientationUserInfoKey";

enum class ApplicationState { Active, Inactive, Background };

// The running application: its delegate and life cycle, the key window, the status bar and the outside
// world it talks to (URLs, push registration). The life-cycle operations are what the device would do;
// the runner and the tests call them. Each posts its notification after telling the delegate.
// Main thread only.
class Application {
public:
    static constexpr double kStatusBarHeight = 20.0;

    static Application& shared();
    // Tests: a fresh application, portrait phone (phone-sized screen), no alerts on screen, no first responder,
    // animations enabled and forgotten, an empty pasteboard, mail that can be sent.
    static void resetShared();

    const std::shared_ptr<ApplicationDelegate>& delegate() const { return m_delegate; }
    void setDelegate(std::shared_ptr<ApplicationDelegate> delegate) { m_delegate = std::move(delegate); }
    ApplicationState state() const { return m_state; }

    // How the device starts an application: loads the main interface file, keeps the first application delegate
    // among the objects it made, then finishes launching and becomes active. False (logged) when the file is
    // unknown or makes no delegate; otherwise what the delegate's didFinishLaunching answered.
    bool launch(const std::string& mainInterfaceFile, const Dictionary& launchOptions = {});

    // Life cycle.
    bool finishLaunching(const Dictionary& launchOptions = {});
    void becomeActive();
    void resignActive();
    void enterBackground();
    void enterForeground();
    void terminate();
    // A URL of the application's scheme arrives from outside.
    bool handleOpenURL(const std::string& url);
    void receiveMemoryWarning();

    // Push registration: the request is recorded; the runner or a test answers it.
    void registerForRemoteNotificationTypes(int types);
    int registeredNotificationTypes() const { return m_registeredNotificationTypes; }
    void deliverDeviceToken(const Data& token);
    void failRemoteNotificationRegistration(const std::string& error);
    void deliverRemoteNotification(const Dictionary& userInfo);

    // Opening a URL in another application: recorded, then handed to the handler when one is set.
    bool openURL(const std::string& url);
    const std::vector<std::string>& openedURLs() const { return m_openedURLs; }
    void setOpenURLHandler(std::function<bool(const std::string&)> handler) { m_openURLHandler = std::move(handler); }

    bool isNetworkActivityIndicatorVisible() const { return m_networkActivityIndicatorVisible; }
    void setNetworkActivityIndicatorVisible(bool visible) { m_networkActivityIndicatorVisible = visible; }
    bool isStatusBarHidden() const { return m_statusBarHidden; }
    void setStatusBarHidden(bool hidden) { m_statusBarHidden = hidden; }
    // The orientation the interface is shown in; a change posts kApplicationDidChangeStatusBarOrientationNotification.
    DeviceOrientation statusBarOrientation() const { return m_statusBarOrientation; }
    void setStatusBarOrientation(DeviceOrientation orientation);

    // The window made key by makeKeyAndVisible().
    std::shared_ptr<Window> keyWindow() const { return m_keyWindow.lock(); }

private:
    friend class Window;
    void post(const char* name);

    std::shared_ptr<ApplicationDelegate> m_delegate;
    ApplicationState m_state = ApplicationState::Inactive;
    std::vector<std::string> m_openedURLs;
    std::function<bool(const std::string&)> m_openURLHandler;
    bool m_networkActivityIndicatorVisible = false;
    bool m_statusBarHidden = false;
    DeviceOrientation m_statusBarOrientation = DeviceOrientation::Portrait;
    int m_registeredNotificationTypes = 0;
    std::weak_ptr<Window> m_keyWindow;
};

}  // namespace platform::ui
