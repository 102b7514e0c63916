#include <string>

#include <gtest/gtest.h>

#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/application/OpenedURLRouter.h"
#include "app/shell/application/WeeklyVersionCheck.h"
#include "app/shell/root/RootScreenState.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "platform/base/Log.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/PopupRegistry.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

using qov::QOVAppDelegate;

class QOVAppDelegateLifeCycleTest : public qovtest::ApplicationWorld {
protected:
    // Alerts on screen with the given title.
    static int alertsTitled(const std::string& title) {
        int count = 0;
        for (const auto& popup : platform::ui::PopupRegistry::shared().visible()) {
            count += popup->title() == title ? 1 : 0;
        }
        return count;
    }
};

TEST_F(QOVAppDelegateLifeCycleTest, TestModeSwitchesTheAdManagerTheClientAndTheMemoryLog) {
    const auto delegate = launch();
    const auto ads = qov::QOVAdManager::sharedManager();
    const auto client = qov::QOVDatasourceFactory::sharedInstance()->datasource();
    EXPECT_TRUE(platform::UserDefaults::standard()->objectForKey(qov::QOVAdManager::kTestModeKey).isNull())
        << "\"appTestMode\" NO at launch tells nobody";
    EXPECT_EQ(delegate->memLogger(), nullptr);

    delegate->setTestMode(true);
    EXPECT_TRUE(platform::UserDefaults::standard()->boolForKey(QOVAppDelegate::kAppTestModeKey));
    EXPECT_TRUE(ads->isInTestMode());
    EXPECT_TRUE(client->isInTestMode());
    const auto logger = delegate->memLogger();
    ASSERT_NE(logger, nullptr);
    EXPECT_EQ(logger->maxBufferLines(), 128u);
    delegate->setTestMode(true);
    EXPECT_EQ(delegate->memLogger(), logger) << "setting the same mode keeps the logger";

    delegate->setTestMode(false);
    EXPECT_FALSE(ads->isInTestMode());
    EXPECT_FALSE(client->isInTestMode());
    delegate->setTestMode(true);
    EXPECT_EQ(delegate->memLogger(), logger) << "the same logger serves again";
    delegate->setTestMode(false);
}

TEST_F(QOVAppDelegateLifeCycleTest, TestModeIsRestoredAtLaunch) {
    platform::UserDefaults::standard()->setBool(true, QOVAppDelegate::kAppTestModeKey);
    const auto delegate = launch();
    EXPECT_TRUE(delegate->testMode());
    EXPECT_TRUE(qov::QOVAdManager::sharedManager()->isInTestMode());
    delegate->setTestMode(false);
}

TEST_F(QOVAppDelegateLifeCycleTest, WeeklyCheckShowsOneAlertForANewerVersionAndUpgradeOpensTheStore) {
    qov::QOVSettingsService::sharedInstance()->setLatestAppVersion("99.0");
    launch();  // becoming active looks for the first time
    ASSERT_EQ(alertsTitled("New QOV App Available"), 1);
    auto& application = platform::ui::Application::shared();
    application.becomeActive();
    EXPECT_EQ(alertsTitled("New QOV App Available"), 1) << "a second look within the week";

    platform::ui::PopupRegistry::shared().top()->clickButtonAtIndex(1);
    ASSERT_EQ(application.openedURLs().size(), 1u);
    EXPECT_EQ(application.openedURLs().front(), "http://store.qovara.net/app/qovara");

    advance(qov::WeeklyVersionCheck::kInterval + 1.0);
    application.becomeActive();
    EXPECT_EQ(alertsTitled("New QOV App Available"), 1);
}

TEST_F(QOVAppDelegateLifeCycleTest, VersionComparisonIsPartByPart) {
    EXPECT_TRUE(qov::WeeklyVersionCheck::isNewer("10.0", "9.9"));
    EXPECT_FALSE(qov::WeeklyVersionCheck::isNewer("4.2.0", "4.2"));
    EXPECT_FALSE(qov::WeeklyVersionCheck::isNewer(std::nullopt, "0.1.0"));
}

TEST_F(QOVAppDelegateLifeCycleTest, OpenedURLsGoBySchemeAndHost) {
    using Destination = qov::OpenedURLRouter::Destination;
    const std::pair<const char*, Destination> cases[] = {
        {"qov://swagger-access?oauth_token=abc", Destination::Twitter}, {"QOV://Swagger-Access/", Destination::Twitter},
        {"qov://elsewhere/swagger-access", Destination::Ignored},       {"qov:swagger-access", Destination::Ignored},
        {"fb123456://authorize#access_token=x", Destination::Facebook}, {"not a url", Destination::Facebook},
    };
    for (const auto& [url, destination] : cases) {
        EXPECT_EQ(qov::OpenedURLRouter::destinationOf(url), destination) << url;
    }
    launch();
    EXPECT_TRUE(platform::ui::Application::shared().handleOpenURL("qov://unknown"));
}

TEST_F(QOVAppDelegateLifeCycleTest, ADeviceTokenIsRegisteredAndAFailureOnlyLogged) {
    launch();
    auto& application = platform::ui::Application::shared();
    const platform::Data token{0x0a, 0xb1};
    application.deliverDeviceToken(token);
    EXPECT_EQ(qov::QOVSettingsService::sharedInstance()->apnDeviceToken(), token);
    application.failRemoteNotificationRegistration("no network");
    EXPECT_EQ(qov::QOVSettingsService::sharedInstance()->apnDeviceToken(), token);
}

TEST_F(QOVAppDelegateLifeCycleTest, TabsAreShownByNameOrTitleOnlyOnTheRootScreen) {
    launch();
    EXPECT_FALSE(qov::RootScreenState::showTab("settings")) << "the splash has no tabs";
    passSplash();
    EXPECT_FALSE(qov::RootScreenState::showTab("settings")) << "nor the terms";
    platform::UserDefaults::standard()->setBool(true, QOVAppDelegate::kTermsViewShouldHideKey);
    qov::QOVAppDelegate::currentAppDelegate()->presentMainViewAfterSplash();
    EXPECT_TRUE(qov::RootScreenState::showTab("Settings"));
    EXPECT_EQ(qov::RootScreenState::shownTabName(), "settings");
    const auto strip = rootScreen()->tabBar()->m_scrollView;  // swiped to the item, as a user would
    EXPECT_EQ(strip->contentOffset().x, strip->maximumContentOffset().x);
    EXPECT_TRUE(qov::RootScreenState::showTab("maps"));
    EXPECT_EQ(qov::RootScreenState::shownTabName(), "maps");
    EXPECT_FALSE(qov::RootScreenState::showTab("nowhere"));
}

}  // namespace
