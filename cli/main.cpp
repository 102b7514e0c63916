// qovara: the device runner. Boots the application on the headless platform against the stand-in weather
// service (embedded, or a running one given with --service), brings it to its root screen and, when asked, runs
// a script of screen commands; --summary prints a text summary of the weather instead.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/ApplicationRun.h"
#include "cli/WeatherSummary.h"
#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/ui/ScreenScript.h"

int main(int argc, char** argv) {
    CLI::App runner{"Qovara device runner"};
    std::string home;
    std::string service;
    std::optional<std::string> gps;
    std::optional<std::string> script;
    runner.add_option("--home", home, "Application home folder (default: $XDG_DATA_HOME/qovara)");
    runner.add_option("--service", service, "Address of a running stand-in service (default: start one inside)");
    runner.add_option("--gps", gps, "Place the device at LAT,LON before the weather is fetched");
    runner.add_option("--script", script, "Screen commands to run afterwards, from FILE or - for standard input");
    std::string shot;
    bool summary = false;
    runner.add_option("--shot", shot, "Picture of the root screen (default: root-screen.png in the home)");
    runner.add_flag("--summary", summary, "Print a text summary of the weather instead of running the application");
    CLI11_PARSE(runner, argc, argv);

    platform::Log::addConsoleLogger();
    platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
    if (!home.empty()) {
        platform::AppDirectories::shared()->setHome(std::filesystem::absolute(home));
    }
    std::cout << "Qovara " << QOV_VERSION << ", app home " << platform::AppDirectories::shared()->home().string()
              << "\n\n";

    int status = EXIT_SUCCESS;
    if (summary) {
        status = qovcli::runWeatherSummary(service, gps, std::cout, std::cerr);
        if (script) {
            platform::ui::ScreenScript commands(std::cout);
            if (*script == "-") {
                commands.run(std::cin);
            } else if (!commands.runFile(*script)) {
                status = EXIT_FAILURE;
            }
            if (commands.failures() > 0) {
                status = EXIT_FAILURE;
            }
        }
    } else {
        status = qovcli::runApplication({service, gps, shot, script}, std::cout, std::cerr);
    }
    platform::Log::flush();
    return status;
}
