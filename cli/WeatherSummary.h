#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/geo/Coordinate.h"

namespace qovcli {

// The runner's main job: aims the data-service client and the application cache at the stand-in service at
// host ("HOST:PORT"; the client stays installed afterwards, for the screens), settles the current location
// (after placing the device at gps, when given), listens through the cache for that location and writes a
// readable summary of the weather that arrives. It runs the main loop until the weather is fresh, a request
// failure is announced or 30 s pass on the loop's clock.
// Exit status: 0 fresh weather; 1 no fresh weather in time (any cached weather is still written) or no place at gps.
int runWeatherSummary(const std::string& host, const std::optional<platform::geo::Coordinate>& gps, std::ostream& out,
                      std::ostream& err);

}  // namespace qovcli
