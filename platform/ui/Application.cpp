#include "platform/ui/Application.h"

#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"
#include "platform/ui/Device.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/Responder.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewAnimation.h"

QOV_LOG_LEVEL(15)

namespace platform::ui {

namespace {

std::unique_ptr<Application>& instance() {
    static NeverDestroyed<std::unique_ptr<Application>> application(std::make_unique<Application>());
    return *application;
}

}  // namespace

Application& Application::shared() { return *instance(); }

void Application::resetShared() {
    if (auto responder = Responder::firstResponder()) {
        responder->resignFirstResponder();
    }
    PopupRegistry::shared().removeAll();
    instance() = std::make_unique<Application>();
    Device::current().reset();
    Screen::setSize(Screen::kPhoneSize);
    ViewAnimation::setAnimationsEnabled(true);
    ViewAnimation::clearRecords();
    Pasteboard::general().clear();
}

void Application::post(const char* name) { NotificationCenter::defaultCenter().postNotification(name); }

void Application::setStatusBarOrientation(DeviceOrientation orientation) {
    if (orientation == m_statusBarOrientation) {
        return;
    }
    const DeviceOrientation old = m_statusBarOrientation;
    m_statusBarOrientation = orientation;
    NotificationCenter::defaultCenter().postNotification(
        kApplicationDidChangeStatusBarOrientationNotification, Value(),
        Dictionary{{kApplicationStatusBarOrientationUserInfoKey, Value(static_cast<std::int64_t>(old))}});
}

bool Application::launch(const std::string& mainInterfaceFile, const Dictionary& launchOptions) {
    const auto objects = InterfaceFile::load(mainInterfaceFile);
    if (!objects) {
        return false;
    }
    for (const auto& object : *objects) {
        if (auto delegate = std::dynamic_pointer_cast<ApplicationDelegate>(object)) {
            m_delegate = std::move(delegate);
            break;
        }
    }
    if (!m_delegate) {
        QOV_LOG_ERROR("The main interface file {} makes no application delegate", mainInterfaceFile);
        return false;
    }
    const bool launched = finishLaunching(launchOptions);
    becomeActive();
    return launched;
}

bool Application::finishLaunching(const Dictionary& launchOptions) {
    const bool result = m_delegate ? m_delegate->didFinishLaunching(*this, launchOptions) : true;
    post(kApplicationDidFinishLaunchingNotification);
    return result;
}

void Application::becomeActive() {
    m_state = ApplicationState::Active;
    if (m_delegate) {
        m_delegate->didBecomeActive(*this);
    }
    post(kApplicationDidBecomeActiveNotification);
}

void Application::resignActive() {
    m_state = ApplicationState::Inactive;
    if (m_delegate) {
        m_delegate->willResignActive(*this);
    }
    post(kApplicationWillResignActiveNotification);
}

void Application::enterBackground() {
    m_state = ApplicationState::Background;
    if (m_delegate) {
        m_delegate->didEnterBackground(*this);
    }
    post(kApplicationDidEnterBackgroundNotification);
}

void Application::enterForeground() {
    m_state = ApplicationState::Inactive;
    if (m_delegate) {
        m_delegate->willEnterForeground(*this);
    }
    post(kApplicationWillEnterForegroundNotification);
}

void Application::terminate() {
    if (m_delegate) {
        m_delegate->willTerminate(*this);
    }
    post(kApplicationWillTerminateNotification);
}

bool Application::handleOpenURL(const std::string& url) {
    return m_delegate ? m_delegate->handleOpenURL(*this, url) : false;
}

void Application::receiveMemoryWarning() {
    if (m_delegate) {
        m_delegate->didReceiveMemoryWarning(*this);
    }
    post(kApplicationDidReceiveMemoryWarningNotification);
}

void Application::registerForRemoteNotificationTypes(int types) { m_registeredNotificationTypes = types; }

void Application::deliverDeviceToken(const Data& token) {
    if (m_delegate) {
        m_delegate->didRegisterForRemoteNotifications(*this, token);
    }
}

void Application::failRemoteNotificationRegistration(const std::string& error) {
    if (m_delegate) {
        m_delegate->didFailToRegisterForRemoteNotifications(*this, error);
    }
}

void Application::deliverRemoteNotification(const Dictionary& userInfo) {
    if (m_delegate) {
        m_delegate->didReceiveRemoteNotification(*this, userInfo);
    }
}

bool Application::openURL(const std::string& url) {
    if (url.empty()) {
        QOV_LOG_WARN("openURL with an empty URL");
        return false;
    }
    m_openedURLs.push_back(url);
    QOV_LOG_INFO("Opening {}", url);
    return m_openURLHandler ? m_openURLHandler(url) : true;
}

}  // namespace platform::ui
