#include "cli/ApplicationRun.h"

#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "app/maps/MapsScreens.h"
#include "app/shell/application/ApplicationInterfaceFiles.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/interface/ShellInterfaceFiles.h"
#include "app/shell/root/RootScreenState.h"
#include "cli/CurrentLocationForRunner.h"
#include "cli/FreshWeather.h"
#include "cli/ServiceConnection.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/ScreenScript.h"

namespace qovcli {

namespace {

// The interface files and the tab screens of every library the application is made of.
void registerApplicationResources() {
    qov::registerShellInterfaceFiles();
    qov::ApplicationInterfaceFiles::registerAll();
    qov::registerMapsScreens();
}

// Shows the screen: its dump on out and its picture in the file.
void showScreen(const std::string& picture, std::ostream& out, std::ostream& err) {
    out << platform::ui::ScreenDump::dumpScreen() << std::flush;
    if (platform::ui::ScreenRenderer::writeScreen(picture)) {
        out << "Screen written to " << picture << "\n";
    } else {
        err << "qovara: could not write " << picture << "\n";
    }
}

// Passes the terms screen the way a user does: a tap on its agree button.
bool acceptTerms(const std::string& picture, std::ostream& out, std::ostream& err, double timeOut) {
    const auto agree = platform::Bundle::main().localizedString("terms.button.accept", "Accept");
    out << "Terms screen:\n";
    showScreen(picture, out, err);
    out << "Tapping \"" << agree << "\"\n";
    platform::ui::ScreenScript tap(out);
    tap.execute("tap " + agree);
    return tap.failures() == 0 &&
           runMainLoopUntil([] { return qov::RootScreenState::isRootScreenShown(); }, timeOut);
}

// Waits on the root screen for fresh weather of the current location (stale weather from the cache is asked for
// again).
bool awaitCurrentWeather(double timeOut) {
    const auto place = qov::QOVLocationManager::sharedManager()->currentLocation();
    if (!place) {
        return false;
    }
    const bool fresh = awaitFreshWeather(
        std::make_shared<qov::WeatherSummaryJob>(qov::ApplicationCacheFactory::sharedInstance().cache(), place),
        timeOut);
    // Let the screens take in what arrived before they are looked at.
    platform::RunLoop::main().runUntilIdle();
    return fresh;
}

int runScript(const std::string& script, std::ostream& out) {
    platform::ui::ScreenScript commands(out);
    if (script == "-") {
        commands.run(std::cin);
    } else if (!commands.runFile(script)) {
        return EXIT_FAILURE;
    }
    return commands.failures() > 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}

}  // namespace

int runApplication(const ApplicationRunOptions& options, std::ostream& out, std::ostream& err) {
    ServiceConnection service;
    const auto connection = service.connect(options.serviceUrl, err);
    if (connection != ServiceConnection::Result::Connected) {
        return ServiceConnection::exitStatus(connection);
    }
    if (options.gps && !currentLocationForRunner(options.gps, err)) {
        return 2;
    }
    registerApplicationResources();

    auto& application = platform::ui::Application::shared();
    if (!application.launch(qov::QOVAppDelegate::kMainInterfaceFile)) {
        err << "qovara: the application did not launch\n";
        return EXIT_FAILURE;
    }
    const double timeOut = options.stageTimeOut;
    runMainLoopUntil([] { return !qov::RootScreenState::isSplashShown(); }, timeOut);
    const auto home = platform::AppDirectories::shared()->home();
    if (qov::RootScreenState::isTermsScreenShown() &&
        !acceptTerms((home / "terms-screen.png").string(), out, err, timeOut)) {
        err << "qovara: the terms screen did not give way to the root screen\n";
    }

    const bool weather = qov::RootScreenState::isRootScreenShown() && awaitCurrentWeather(timeOut);
    const bool weatherTab = qov::RootScreenState::shownTabName() == "weather";
    out << "Root screen:\n";
    showScreen(options.screenshotPath.empty() ? (home / "root-screen.png").string() : options.screenshotPath, out,
               err);

    int status = weather && weatherTab ? EXIT_SUCCESS : EXIT_FAILURE;
    if (!weather) {
        err << "qovara: the root screen did not get the current location's weather from http://" << service.host()
            << "\n";
    } else if (!weatherTab) {
        err << "qovara: the root screen does not show the Weather tab\n";
    }
    if (options.script && runScript(*options.script, out) != EXIT_SUCCESS) {
        status = EXIT_FAILURE;
    }
    application.resignActive();
    return status;
}

}  // namespace qovcli
