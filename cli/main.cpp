// qovara: the device runner. Boots the application on the headless platform.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"

int main(int argc, char** argv) {
    CLI::App runner{"Qovara device runner"};
    std::string home;
    runner.add_option("--home", home, "Application home folder (default: $XDG_DATA_HOME/qovara)");
    CLI11_PARSE(runner, argc, argv);

    platform::Log::addConsoleLogger();
    platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
    const auto directories = platform::AppDirectories::shared();
    if (!home.empty()) {
        directories->setHome(std::filesystem::absolute(home));
    }

    bool booted = false;
    platform::dispatchMain([&booted] { booted = true; });
    platform::RunLoop::main().runUntilIdle();

    std::cout << "Qovara " << QOV_VERSION << (booted ? " (run loop up)" : " (run loop did not start)") << "\n";
    std::cout << "App home: " << directories->home().string() << "\n";
    std::cout << "Caches: " << directories->cachesDirectory().string() << "\n";
    platform::Log::flush();
    return booted ? EXIT_SUCCESS : EXIT_FAILURE;
}
