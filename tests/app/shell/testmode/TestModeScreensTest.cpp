#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/testmode/TestConsoleViewController.h"
#include "app/shell/testmode/TestModeViewController.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/ScreenDump.h"
#include "tests/app/shell/ApplicationWorld.h"
#include "tests/support/PumpUntil.h"

namespace {

using qov::TestConsoleViewController;
using qov::TestModeViewController;

class TestModeScreensTest : public qovtest::ApplicationWorld {
protected:
    template <typename Screen>
    std::shared_ptr<Screen> openTab(const std::string& name) {
        platform::UserDefaults::standard()->setBool(true, qov::QOVAppDelegate::kAppTestModeKey);
        m_master = launchToRootScreen();
        // The launch's jobs on the global queue (the audience measurement's start) log from their own threads, and
        // warnings and errors are written asynchronously: both are done before a test logs lines of its own.
        EXPECT_TRUE(qovtest::pumpUntil([] { return !platform::GlobalQueue::hasWorkInProcess(); }, 30.0));
        platform::Log::flush();
        m_master->displayViewControllerByName(name);
        return std::dynamic_pointer_cast<Screen>(m_master->shownViewController());
    }
    // Information, which is never folded into a count as a burst of warnings or errors is.
    static void log(const std::string& line) {
        platform::Log::write(platform::kLogFlagInfo, __FILE__, __func__, __LINE__, line);
    }

    std::shared_ptr<qov::QOVMasterViewController> m_master;
};

TEST_F(TestModeScreensTest, TheControlsSwitchTheTestSetUps) {
    const auto screen = openTab<TestModeViewController>("debugsettings");
    ASSERT_NE(screen, nullptr);
    const auto ads = qov::QOVAdManager::sharedManager();
    screen->m_adsControl->tapSegment(1);
    EXPECT_FALSE(ads->isInTestMode());
    EXPECT_FALSE(screen->m_specificAdsSwitch->isEnabled());
    EXPECT_FALSE(screen->m_adIdTextField->isEnabled());
    screen->m_adsControl->tapSegment(0);
    EXPECT_TRUE(ads->isInTestMode());
    EXPECT_TRUE(screen->m_adIdTextField->isEnabled());
    screen->m_specificAdsSwitch->toggle();
    EXPECT_TRUE(ads->isUsingTestAdId());
    screen->m_wxDataControl->tapSegment(0);
    EXPECT_TRUE(qov::QOVDatasourceFactory::sharedInstance()->datasource()->isInTestMode());
    screen->m_adIdTextField->setText("ad-77");
    EXPECT_FALSE(screen->textFieldShouldReturn(*screen->m_adIdTextField));
    EXPECT_EQ(ads->testAdIdentifier(), "ad-77");
}

TEST_F(TestModeScreensTest, TheConsoleFollowsTheLogEveryTwoSecondsWhileAutoUpdateIsOn) {
    const auto console = openTab<TestConsoleViewController>("console");
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(console->isRefreshing());
    log("first line");
    advance(TestConsoleViewController::kRefreshInterval);
    // An answer to a request of the launch may log after it, so the line is looked for rather than taken as last.
    const auto& lines = console->logBuffer();
    const auto first =
        std::ranges::find_if(lines, [](const std::string& line) { return line.ends_with(" log: first line"); });
    ASSERT_NE(first, lines.end());
    // The line as it was logged: where, then what, with neither time nor level before it.
    EXPECT_TRUE(first->starts_with("TestModeScreensTest.cpp:")) << *first;
    EXPECT_EQ(console->m_consoleTableView->numberOfRowsInSection(0), static_cast<int>(console->logBuffer().size()));

    console->m_autoUpdateSwitch->setOn(false);
    const auto snapshot = console->logBuffer();
    log("second line");
    advance(TestConsoleViewController::kRefreshInterval);
    EXPECT_EQ(console->logBuffer(), snapshot);

    console->viewWillAppear(false);
    console->viewWillDisappear(false);
    EXPECT_FALSE(console->isRefreshing()) << "a second appearance must not leave the first timer running";
}

TEST_F(TestModeScreensTest, TheInMemoryLogKeepsTheNewest128Lines) {
    const auto console = openTab<TestConsoleViewController>("console");
    ASSERT_NE(console, nullptr);
    for (int line = 0; line < 140; ++line) {
        log("line " + std::to_string(line));
    }
    console->updateLogData();
    ASSERT_EQ(console->logBuffer().size(), 128U);
    EXPECT_NE(console->logBuffer().back().find("line 139"), std::string::npos);
    EXPECT_NE(console->logBuffer().front().find("line 12"), std::string::npos);
}

TEST_F(TestModeScreensTest, BeaconMessagesShowInTheConsoleWhileAlertsAndCheckpointsShowNothing) {
    const auto console = openTab<TestConsoleViewController>("console");
    ASSERT_NE(console, nullptr);
    const std::shared_ptr<qov::QOVBeaconServiceDelegate> beacons = qov::QOVAppDelegate::currentAppDelegate();
    ASSERT_NE(beacons, nullptr);
    beacons->logMessage("ad-requested {} %@");
    beacons->showAlertWithMessage("Beacon failed");
    beacons->callBetaTestWithCheckpoint("launched");
    advance(TestConsoleViewController::kRefreshInterval);
    EXPECT_EQ(platform::ui::PopupRegistry::shared().top(), nullptr);
    const std::string screen = platform::ui::ScreenDump::dumpScreen();
    EXPECT_NE(screen.find("Beacon message: ad-requested {} %@"), std::string::npos) << screen;
    for (const auto& line : console->logBuffer()) {
        EXPECT_EQ(line.find("launched"), std::string::npos) << line;
        EXPECT_EQ(line.find("Beacon failed"), std::string::npos) << line;
    }
}

}  // namespace
