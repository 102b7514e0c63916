#pragma once

namespace qov {

// Registers the interface files of the weather screen, its panels and their cells, and the weather screen by class
// name ("WeatherViewController", a tab screen the root controller makes). Called once at start-up with the shell's
// other files; registering again replaces the same builders.
void registerWeatherInterfaceFiles();

}  // namespace qov
