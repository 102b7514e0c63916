#pragma once

namespace qov {

// Registers the interface files of the weather screen, its panels and their cells. Called once at start-up
// with the shell's other files; registering again replaces the same builders.
void registerWeatherInterfaceFiles();

}  // namespace qov
