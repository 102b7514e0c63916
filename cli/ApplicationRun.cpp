#include "cli/ApplicationRun.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include "app/composition/ApplicationComposition.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/RootScreenState.h"
#include "cli/CurrentLocationForRunner.h"
#include "cli/FreshWeather.h"
#include "cli/LegacyMapCommand.h"
#include "cli/RunnerCommands.h"
#include "cli/RunnerOptions.h"
#include "cli/TileServerConnection.h"
#include "cli/WeatherPanelPictures.h"
#include "cli/display/DisplayRun.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/ScreenScript.h"

namespace qovcli {

namespace {

// How long each stage (the splash, the terms, the weather) may take, in seconds on the main loop's clock.
constexpr double kStageTimeOut = 30.0;

// Shows the screen: its dump on out and its picture in the file. Answers whether the picture was written.
bool showScreen(const std::string& picture, std::ostream& out, std::ostream& err) {
    out << platform::ui::ScreenDump::dumpScreen() << std::flush;
    if (std::string problem; !platform::ui::ScreenRenderer::writeScreen(picture, problem)) {
        err << "qovara: could not write " + picture + ": " + problem + "\n";  // one write: log lines may come between
        return false;
    }
    out << "Screen written to " << picture << "\n";
    return true;
}

// Passes the terms screen the way a user does: a tap on its agree button.
bool acceptTerms(std::ostream& out, std::ostream& err) {
    const auto agree = platform::Bundle::main().localizedString("terms.button.accept", "Accept");
    out << "Tapping \"" << agree << "\"\n";
    platform::ui::ScreenScript tap(out, err);
    tap.execute("tap " + agree);
    return tap.failures() == 0 &&
           platform::RunLoop::main().runUntil(kStageTimeOut, [] { return qov::RootScreenState::isRootScreenShown(); });
}

// Waits on the root screen for fresh weather of the current location (stale weather from the cache is asked for
// again).
bool awaitCurrentWeather() {
    const auto place = qov::QOVLocationManager::sharedManager()->currentLocation();
    if (!place) {
        return false;
    }
    const bool fresh = awaitFreshWeather(
        std::make_shared<qov::WeatherSummaryJob>(qov::ApplicationCacheFactory::sharedInstance().cache(), place),
        kStageTimeOut);
    // Let the screens take in what arrived before they are looked at.
    platform::RunLoop::main().runUntilIdle();
    return fresh;
}

// Brings the application to the root screen (through the terms screen on a first run) and looks at it: its dump
// and picture, the weather panels' pictures. Answers whether it shows the Weather tab with the current location's
// fresh weather.
bool showRootScreen(const RunnerOptions& options, const std::string& host, std::ostream& out, std::ostream& err) {
    const auto home = platform::AppDirectories::shared()->home();
    // Every picture the run writes counts: one that cannot be written fails the run.
    bool picturesWritten = true;
    if (qov::RootScreenState::isTermsScreenShown()) {
        out << "Terms screen:\n";
        picturesWritten = showScreen((home / "terms-screen.png").string(), out, err);
        if (!acceptTerms(out, err)) {
            err << "qovara: the terms screen did not give way to the root screen\n";
        }
    }
    const bool weather = qov::RootScreenState::isRootScreenShown() && awaitCurrentWeather();
    const bool weatherTab = qov::RootScreenState::shownTabName() == "weather";
    out << "Root screen:\n";
    picturesWritten = showScreen(options.shot.empty() ? (home / "root-screen.png").string() : options.shot, out, err) &&
                      picturesWritten;
    if (weatherTab) {
        picturesWritten = writeWeatherPanelPictures(home, out, err) && picturesWritten;
    }
    if (!weather) {
        err << "qovara: the root screen did not get the current location's weather from http://" << host << "\n";
    } else if (!weatherTab) {
        err << "qovara: the root screen does not show the Weather tab\n";
    }
    return weather && weatherTab && picturesWritten;
}

}  // namespace

int runApplication(const RunnerOptions& options, const std::string& host, std::optional<DisplayListener> display,
                   std::ostream& out, std::ostream& err) {
    aimDataServiceAt(host);
    aimTileServerAt(host);
    if (options.gps && !currentLocationForRunner(options.gps, err)) {
        return EXIT_FAILURE;
    }
    qov::registerApplication();
    registerRunnerCommands();
    registerLegacyMapCommand(host);

    auto& application = platform::ui::Application::shared();
    if (!application.launch(qov::QOVAppDelegate::kMainInterfaceFile)) {
        err << "qovara: the application did not launch\n";
        return EXIT_FAILURE;
    }
    auto& loop = platform::RunLoop::main();
    loop.runUntil(kStageTimeOut, [] { return !qov::RootScreenState::isSplashShown(); });
    int status = EXIT_SUCCESS;
    if (display && qov::RootScreenState::isTermsScreenShown()) {
        // The person at the display reads the terms and chooses.
        out << "Terms screen (accept or decline them on the display's page):\n";
        if (!showScreen((platform::AppDirectories::shared()->home() / "terms-screen.png").string(), out, err)) {
            status = EXIT_FAILURE;
        }
    } else if (!showRootScreen(options, host, out, err)) {
        status = EXIT_FAILURE;
    }
    // Output that cannot be written ends the run here: the script and the display would print for no one.
    if (!out.flush()) {
        status = EXIT_FAILURE;
    } else {
        if (options.script && !runScreenScript(*options.script, out, err)) {
            status = EXIT_FAILURE;
        }
        if (display && out) {
            serveDisplay(
                std::move(*display), [&host] { return openLegacyMap(host); }, out);
        }
    }
    application.resignActive();
    return status;
}

}  // namespace qovcli
