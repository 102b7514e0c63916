// qovara: the device runner. Boots the application on the headless platform.
#include <cstdlib>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "platform/base/Clock.h"
#include "platform/base/Log.h"

int main(int argc, char** argv) {
    CLI::App runner{"Qovara device runner"};
    std::string home;
    runner.add_option("--home", home, "Application home folder");
    CLI11_PARSE(runner, argc, argv);

    platform::Log::addConsoleLogger();
    std::cout << "Qovara " << QOV_VERSION << "\n";
    std::cout << "App home: " << home << "\n";
    return EXIT_SUCCESS;
}
