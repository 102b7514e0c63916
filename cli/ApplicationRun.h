#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace qovcli {

struct ApplicationRunOptions {
    // A running service ("http://HOST[:PORT]"); empty starts the stand-in service inside.
    std::string serviceUrl;
    // "LAT,LON": the device's position; the place found there becomes the current location before launch.
    std::optional<std::string> gps;
    // Where the picture of the root screen goes; empty: "root-screen.png" in the application home.
    std::string screenshotPath;
    // Screen commands run once the root screen is up: a file, or "-" for standard input.
    std::optional<std::string> script;
    // How long, in seconds, each stage may take (the splash, the terms, the weather).
    double stageTimeOut = 30.0;
};

// The runner's main job: boots the application through the platform's application object (the main interface
// file makes the application delegate and its window), runs the main loop through the splash, accepts the terms
// when the terms screen shows (its dump and "terms-screen.png" in the home first, then a tap on its agree button),
// waits on the root screen for the current location's weather, then writes the screen's dump on out and its picture
// to a PNG, and runs the script.
// Exit status: 0 when the root screen shows the Weather tab with the current location's weather (and the script
// had no failures), 1 otherwise, 2 for an unusable service address. Call it on the main thread, once.
int runApplication(const ApplicationRunOptions& options, std::ostream& out, std::ostream& err);

}  // namespace qovcli
