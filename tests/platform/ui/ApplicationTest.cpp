#include <gtest/gtest.h>

#include "platform/base/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"
#include "platform/ui/View.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class RecordingDelegate : public ApplicationDelegate {
public:
    explicit RecordingDelegate(std::vector<std::string>& journal) : m_journal(journal) {}
    bool didFinishLaunching(Application&, const Dictionary& options) override {
        m_journal.push_back("launch " + std::to_string(options.size()));
        return true;
    }
    void didBecomeActive(Application&) override { m_journal.push_back("active"); }
    void willResignActive(Application&) override { m_journal.push_back("resign"); }
    void didEnterBackground(Application&) override { m_journal.push_back("background"); }
    void willEnterForeground(Application&) override { m_journal.push_back("foreground"); }
    void willTerminate(Application&) override { m_journal.push_back("terminate"); }
    bool handleOpenURL(Application&, const std::string& url) override {
        m_journal.push_back("open " + url);
        return true;
    }
    void didRegisterForRemoteNotifications(Application&, const Data& token) override {
        m_journal.push_back("token " + std::to_string(token.size()));
    }
    void didFailToRegisterForRemoteNotifications(Application&, const std::string& error) override {
        m_journal.push_back("token failed " + error);
    }
    void didReceiveMemoryWarning(Application&) override { m_journal.push_back("memory"); }

private:
    std::vector<std::string>& m_journal;
};

class ApplicationTest : public UiFixture {};

TEST_F(ApplicationTest, LifeCycleUrlsAndPushRegistrationReachTheDelegateAndPostTheirNotifications) {
    std::vector<std::string> journal;
    auto& center = NotificationCenter::defaultCenter();
    for (const char* name : {kApplicationDidFinishLaunchingNotification, kApplicationDidBecomeActiveNotification,
                             kApplicationWillResignActiveNotification, kApplicationDidEnterBackgroundNotification,
                             kApplicationWillEnterForegroundNotification, kApplicationWillTerminateNotification,
                             kApplicationDidReceiveMemoryWarningNotification}) {
        center.addObserver(this, name, [&](const Notification& notification) { journal.push_back(notification.name); });
    }
    auto& application = Application::shared();
    EXPECT_FALSE(application.handleOpenURL("qov://x"));  // nobody to handle it yet
    application.setDelegate(std::make_shared<RecordingDelegate>(journal));
    EXPECT_TRUE(application.finishLaunching({{"url", Value("qov://swagger-access")}}));
    application.becomeActive();
    EXPECT_EQ(application.state(), ApplicationState::Active);
    application.resignActive();
    application.enterBackground();
    EXPECT_EQ(application.state(), ApplicationState::Background);
    application.enterForeground();
    EXPECT_TRUE(application.handleOpenURL("qov://swagger-access?token=1"));
    application.deliverDeviceToken(Data{1, 2, 3});
    application.failRemoteNotificationRegistration("no network");
    application.receiveMemoryWarning();
    application.terminate();
    center.removeObserver(this);
    EXPECT_EQ(journal, (std::vector<std::string>{
                           "launch 1", kApplicationDidFinishLaunchingNotification, "active",
                           kApplicationDidBecomeActiveNotification, "resign", kApplicationWillResignActiveNotification,
                           "background", kApplicationDidEnterBackgroundNotification, "foreground",
                           kApplicationWillEnterForegroundNotification, "open qov://swagger-access?token=1", "token 3",
                           "token failed no network", "memory", kApplicationDidReceiveMemoryWarningNotification,
                           "terminate", kApplicationWillTerminateNotification}));
}

TEST_F(ApplicationTest, OpenURLIsRecordedAndHandedToTheHandler) {
    auto& application = Application::shared();
    EXPECT_TRUE(application.openURL("https://example.com/a"));
    std::vector<std::string> handled;
    application.setOpenURLHandler([&](const std::string& url) {
        handled.push_back(url);
        return false;
    });
    EXPECT_FALSE(application.openURL("https://example.com/b"));
    EXPECT_FALSE(application.openURL(""));
    EXPECT_EQ(application.openedURLs(), (std::vector<std::string>{"https://example.com/a", "https://example.com/b"}));
    EXPECT_EQ(handled, std::vector<std::string>{"https://example.com/b"});
}

TEST_F(ApplicationTest, StatusBarShapesTheApplicationFrameAndResetRestoresTheDevice) {
    EXPECT_EQ(Screen::applicationFrame(), Rect(0, 20, 320, 460));
    Application::shared().setStatusBarHidden(true);
    EXPECT_EQ(Screen::applicationFrame(), Rect(0, 0, 320, 480));
    Device::current().setUserInterfaceIdiom(UserInterfaceIdiom::Pad);
    Device::current().setOrientation(DeviceOrientation::LandscapeRight);
    EXPECT_TRUE(Device::current().isLandscape());
    Application::resetShared();
    EXPECT_FALSE(Device::current().isPad());
    EXPECT_FALSE(Application::shared().isStatusBarHidden());
}

// What a main interface file makes: the application delegate among other objects.
class FileDelegate : public Responder, public RecordingDelegate {
public:
    explicit FileDelegate(std::vector<std::string>& journal) : RecordingDelegate(journal) {}
};

TEST_F(ApplicationTest, LaunchKeepsTheDelegateOfTheMainInterfaceFileThenLaunchesAndBecomesActive) {
    std::vector<std::string> journal;
    InterfaceFile::registerBuilder("TestMainWindow", [&journal](InterfaceContext& file) {
        file.makeTopLevel<View>();
        file.makeTopLevel<FileDelegate>(journal);
    });
    InterfaceFile::registerBuilder("TestNoDelegate", [](InterfaceContext& file) { file.makeTopLevel<View>(); });
    auto& application = Application::shared();

    EXPECT_FALSE(application.launch("TestUnknownFile"));
    EXPECT_FALSE(application.launch("TestNoDelegate"));
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(application.launch("TestMainWindow"));
    EXPECT_NE(std::dynamic_pointer_cast<FileDelegate>(application.delegate()), nullptr);
    EXPECT_EQ(journal, (std::vector<std::string>{"launch 0", "active"}));
    EXPECT_EQ(application.state(), ApplicationState::Active);
    InterfaceFile::unregisterBuilder("TestMainWindow");
    InterfaceFile::unregisterBuilder("TestNoDelegate");
}

TEST_F(ApplicationTest, OrientationChangesAreAnnouncedWhileNotificationsAreGenerated) {
    int notices = 0;
    NotificationCenter::defaultCenter().addObserver(this, kDeviceOrientationDidChangeNotification,
                                                    [&](const Notification&) { ++notices; });
    Device& device = Device::current();
    device.setOrientation(DeviceOrientation::LandscapeLeft);  // not generating
    device.beginGeneratingDeviceOrientationNotifications();
    device.beginGeneratingDeviceOrientationNotifications();
    device.setOrientation(DeviceOrientation::LandscapeLeft);  // no change
    device.endGeneratingDeviceOrientationNotifications();
    device.setOrientation(DeviceOrientation::Portrait);  // one begin is still in force
    device.endGeneratingDeviceOrientationNotifications();
    device.endGeneratingDeviceOrientationNotifications();
    device.setOrientation(DeviceOrientation::PortraitUpsideDown);
    EXPECT_EQ(notices, 1);
    NotificationCenter::defaultCenter().removeObserver(this);
}

}  // namespace
}  // namespace platform::ui
