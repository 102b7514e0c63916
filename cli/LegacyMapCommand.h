#pragma once

#include <optional>
#include <string>

namespace qovcli {

// Opens the older tile map: the device becomes a pad (768 x 1024 points), the older tile map's poller is aimed at
// host ("HOST:PORT") and the older tile map's screen is presented over the root screen, centred on the current
// location's place. The application itself never opens that screen. Answers why it did not open (a screen is
// already presented), or nullopt. Main thread, after registerLegacyMapCommand().
std::optional<std::string> openLegacyMap(const std::string& host);
// Registers the older tile map's screens and the script command "legacymap", which opens it.
void registerLegacyMapCommand(const std::string& host);

}  // namespace qovcli
