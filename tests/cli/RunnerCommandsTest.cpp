// The runner's own script commands, each checked by what it changes on the screen: the application booted in
// the test's process the way the runner boots it, against the stand-in service on a loopback port.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/composition/ApplicationComposition.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/legacymaps/screens/LegacyMapsViewController.h"
#include "app/legacymaps/series/QOVTileSeries.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/rating/RatePrompter.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/root/RootScreenState.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "cli/FreshWeather.h"
#include "cli/LegacyMapCommand.h"
#include "cli/RunnerCommands.h"
#include "cli/TileServerConnection.h"
#include "platform/base/Log.h"
#include "platform/geo/PositionSource.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenScript.h"
#include "sim/SimServer.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/app/ShellFixture.h"

namespace {

using qov::RootScreenState;

// On the root screen with Atlanta's weather, the device runner's commands registered; the service and the main loop
// run on the test's clock. Every process instance the runner sets up is dropped afterwards.
class RunnerCommandsTest : public qovtest::ShellFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_sim.start());
        m_host = "127.0.0.1:" + std::to_string(m_sim.port());
        qovcli::aimDataServiceAt(m_host);
        qovcli::aimTileServerAt(m_host);
        qov::registerApplication();
        qovcli::registerRunnerCommands();
        qovcli::registerLegacyMapCommand(m_host);
        platform::UserDefaults::standard()->setBool(true, qov::QOVAppDelegate::kTermsViewShouldHideKey);
        platform::ui::Application::shared().launch(qov::QOVAppDelegate::kMainInterfaceFile);
        platform::Log::removeConsoleLogger();
        advance(qov::SplashScreenViewController::kFadeDuration);
        ASSERT_TRUE(RootScreenState::isRootScreenShown());
        ASSERT_TRUE(qovtest::pumpUntil([] { return master() && master()->currentCountryCode() == "US"; }));
    }
    void TearDown() override {
        if (const auto client = std::dynamic_pointer_cast<qov::DS2JSONDatasource>(
                qov::QOVDatasourceFactory::sharedInstance()->datasource())) {
            client->cancelAllRequests();
        }
        platform::ui::Application::resetShared();
        platform::ui::Screen::setSize(platform::ui::Screen::kPhoneSize);
        qov::QOVTileSeries::setSharedInstance(nullptr);
        qov::QOVMapCache::setSharedInstance(nullptr);
        platform::geo::PositionSource::setShared(nullptr);
        qov::QOVLocationManager::resetSharedManager();
        qov::QOVAdManager::resetSharedManager();
        qov::RatePrompter::resetSharedInstance();
        qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
        m_sim.stop();
    }

    static std::shared_ptr<qov::QOVMasterViewController> master() {
        const auto delegate = qov::QOVAppDelegate::currentAppDelegate();
        return delegate ? std::dynamic_pointer_cast<qov::QOVMasterViewController>(delegate->viewController()) : nullptr;
    }
    // Runs a script line: its error, or "" when it succeeded.
    std::string run(const std::string& line) {
        std::ostringstream output;
        std::ostringstream errors;
        platform::ui::ScreenScript script(output, errors);
        script.execute(line);
        return errors.str();
    }
    std::string screen() { return platform::ui::ScreenDump::dumpScreen(); }

    // The service answers for the test's clock.
    qovsim::SimServer::Options serviceOptions() const {
        qovsim::SimServer::Options options;
        options.clock = clock();
        return options;
    }

    qovsim::SimServer m_sim{serviceOptions()};
    std::string m_host;
};

TEST_F(RunnerCommandsTest, FindMeLooksWhereGpsMovedTheDevice) {
    EXPECT_EQ(run("gps 91 0"), "error: gps takes a latitude and a longitude in degrees, such as gps 48.857 2.352\n");
    EXPECT_EQ(run("gps 51.5 -0.12"), "");
    EXPECT_EQ(run("tap \"Find Me\""), "");
    ASSERT_TRUE(qovtest::pumpUntil([&] { return master()->currentCountryCode() == "GB"; }));
    EXPECT_NE(screen().find("LocationSearchBar {0, 20, 320, 44} \"London, United Kingdom\""), std::string::npos)
        << screen();
}

// The colour of the weather's "Updated" line on the screen.
std::string updatedColour(const std::string& screen) {
    const auto line = screen.find("\"Updated: ");
    const auto colour = screen.find("color #", line);
    return line == std::string::npos || colour == std::string::npos ? "" : screen.substr(colour + 6, 7);
}

TEST_F(RunnerCommandsTest, WithoutTheNetworkTheWeatherAgesUntilItComesBack) {
    EXPECT_EQ(run("network maybe"), "error: network takes on or off\n");
    EXPECT_EQ(updatedColour(screen()), "#FFFFFF");
    EXPECT_EQ(run("network off"), "");
    advance(301.0);
    EXPECT_EQ(updatedColour(screen()), "#FF8000") << screen();
    EXPECT_EQ(run("network on"), "");
    EXPECT_TRUE(qovtest::pumpUntil([&] { return updatedColour(screen()) == "#FFFFFF"; })) << screen();
}

TEST_F(RunnerCommandsTest, TabShowsTheTabAndPresentedScreensComeAndGoOverTheRootScreen) {
    EXPECT_EQ(run("tab Settings"), "");
    EXPECT_NE(screen().find("NavigationBar {0, 20, 320, 44} \"Settings\""), std::string::npos) << screen();
    EXPECT_EQ(run("tab nowhere"), "error: no tab \"nowhere\" on the root screen\n");
    EXPECT_EQ(RootScreenState::shownTabName(), "settings");

    const std::string root = screen();
    EXPECT_EQ(run("present LocationSearchResultsModalViewController"), "");
    EXPECT_NE(screen().find("\"Search Results\""), std::string::npos) << screen();
    EXPECT_EQ(run("dismiss"), "");
    EXPECT_EQ(screen(), root);
    EXPECT_EQ(run("dismiss"), "error: the root screen presents nothing\n");
}

// The region the platform map shows, as the screen's dump writes it: its centre.
std::string shownCentre(const std::string& screen) {
    const std::string mark = "\"region ";
    const auto at = screen.find(mark);
    return at == std::string::npos ? "" : screen.substr(at + mark.size(), screen.find(" span", at) - at - mark.size());
}

TEST_F(RunnerCommandsTest, TheOlderMapOpensOnAPadCentredOnTheCurrentPlaceAndTellsItsTime) {
    // Opens the older map and waits for its first radar frame: the control bar shows the frame's time (07:55 UTC).
    const auto open = [this]() -> std::string {
        if (const std::string error = run("legacymap"); !error.empty()) {
            return error;
        }
        advance(qov::QOVTileSeries::kFirstRequestDelay);
        const auto older = std::dynamic_pointer_cast<qov::LegacyMapsViewController>(master()->modalViewController());
        if (!older || !qovtest::pumpUntil([&] { return !older->mapControlBar()->timeLabel()->text().empty(); })) {
            return "no radar frame";
        }
        return screen();
    };
    EXPECT_EQ(run("legacymap now"), "error: legacymap takes no argument\n");
    const std::string atlanta = open();
    EXPECT_EQ(atlanta.substr(0, atlanta.find('\n')), "View {0, 20, 768, 1004} background #000000") << atlanta;
    EXPECT_EQ(shownCentre(atlanta), "33.7490, -84.3880") << atlanta;
    EXPECT_NE(atlanta.find("MapControlBar {20, 837, 728, 60}"), std::string::npos) << atlanta;
    EXPECT_NE(atlanta.find("Label {520, 850, 100, 29} \"2:55 AM\""), std::string::npos) << atlanta;
    EXPECT_EQ(run("legacymap"), "error: a screen is already presented over the root screen\n");

    // Opened again once the current place is another.
    EXPECT_EQ(run("dismiss"), "");
    EXPECT_EQ(screen().find("MapControlBar"), std::string::npos);
    EXPECT_EQ(run("gps 51.5 -0.12"), "");
    EXPECT_EQ(run("tap \"Find Me\""), "");
    ASSERT_TRUE(qovtest::pumpUntil([&] { return master()->currentCountryCode() == "GB"; }));
    const std::string london = open();
    EXPECT_EQ(shownCentre(london), "51.5074, -0.1278") << london;
    EXPECT_NE(london.find("Label {520, 850, 100, 29} \"7:55 AM\""), std::string::npos) << london;
}

}  // namespace
