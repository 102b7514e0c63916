#pragma once

#include <ostream>
#include <string>

namespace qovcli {

// The screen-script commands the runner adds to the platform's (registered with ScreenScript::registerCommand):
//   network on|off    the device's network (Reachability) comes or goes
//   gps LAT LON       the device is now at that coordinate (the fixed position source; degrees)
//   tab NAME          presses the root screen's tab with that item name or title
//   present CLASS     presents over the root screen a screen made by class name (screens no other screen opens)
//   dismiss           dismisses what the root screen presents
void registerRunnerCommands();

// Registers the runner's commands and runs the script at source (a file, or "-" for standard input), output to
// out and errors to err. Answers false when the script could not be read or a command failed.
bool runScreenScript(const std::string& source, std::ostream& out, std::ostream& err);

}  // namespace qovcli
