#pragma once

#include <string>

namespace qovcli {

// Registers the script command "legacymap": the device becomes a pad (768 x 1024 points), the older tile map's
// poller is aimed at host ("HOST:PORT") and the older tile map's screen is presented over the root screen, centred
// on the current location's place. The application itself never opens that screen.
void registerLegacyMapCommand(const std::string& host);

}  // namespace qovcli
