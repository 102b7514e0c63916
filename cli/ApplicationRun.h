#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/display/DisplayListener.h"

namespace qovcli {

struct RunnerOptions;

// The runner's main job: boots the application through the platform's application object (the main interface
// file makes the application delegate and its window) against the service at host ("HOST:PORT"), runs the main
// loop through the splash, accepts the terms when the terms screen shows (its dump and "terms-screen.png" in the
// home first, then a tap on its agree button), waits on the root screen for the current location's weather, then
// writes the screen's dump on out and its picture to a PNG (options.shot, else "root-screen.png" in the home),
// runs the script and, with a display (the listener bound for options.displayPort), serves the device display
// until interrupted. With a display the terms screen is left to the person at the display: the runner shows it (dump
// and picture) and goes on to the script and the display without waiting for the root screen. With options.gps the
// place found there is made current before launch. Exit status: 0 when the root screen shows the Weather tab with the
// current location's fresh weather, or the terms were left to the person (and the script had no failures), 1
// otherwise; output that cannot be written (out gone bad at a flush) ends the run before the script and the display.
// Call it on the main thread, once.
int runApplication(const RunnerOptions& options, const std::string& host, std::optional<DisplayListener> display,
                   std::ostream& out, std::ostream& err);

}  // namespace qovcli
