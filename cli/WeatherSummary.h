#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace qovcli {

// The runner's main job: aims the data-service client and the application cache at the stand-in service
// (embedded on an ephemeral loopback port when serviceUrl is empty, else the given "http://HOST[:PORT]"),
// settles the current location (after feeding the fix gps, "LAT,LON", when given), listens through the cache
// for that location and writes a readable summary of the weather that arrives.
// Exit status: 0 fresh weather, 1 no fresh weather in time (any cached weather is still written), 2 bad arguments.
int runWeatherSummary(const std::string& serviceUrl, const std::optional<std::string>& gps, std::ostream& out,
                      std::ostream& err);

}  // namespace qovcli
