#pragma once

#include <string>

#include "platform/base/Value.h"

namespace platform::ui {

class Application;

// What the application tells its delegate about its life; every operation is optional.
class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;

    virtual bool didFinishLaunching(Application&, const Dictionary& /*launchOptions*/) { return true; }
    virtual void didBecomeActive(Application&) {}
    virtual void willResignActive(Application&) {}
    virtual void didEnterBackground(Application&) {}
    virtual void willEnterForeground(Application&) {}
    virtual void willTerminate(Application&) {}
    // A URL of the application's scheme opened from outside; answers whether it was handled.
    virtual bool handleOpenURL(Application&, const std::string& /*url*/) { return false; }
    virtual void didRegisterForRemoteNotifications(Application&, const Data& /*deviceToken*/) {}
    virtual void didFailToRegisterForRemoteNotifications(Application&, const std::string& /*error*/) {}
    virtual void didReceiveRemoteNotification(Application&, const Dictionary& /*userInfo*/) {}
    virtual void didReceiveMemoryWarning(Application&) {}
};

}  // namespace platform::ui
