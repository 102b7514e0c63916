#pragma once

#include <memory>
#include <optional>
#include <ostream>

#include "platform/geo/Coordinate.h"

namespace qov {
class QOVLocationIdentity;
}

namespace qovcli {

// The location the runner reports on: the location manager's current location, which on a fresh home is the
// built-in default ("USGA0028", type 1, also made a favourite, as start-up does). With gps the device is placed
// there first and the place the data service finds at that coordinate becomes current.
//
// Call it after the data-service client and the application cache are aimed at the service, on the main thread
// (it runs the main loop while the lookup is under way, at most timeOutSeconds on the loop's clock). Answers
// nullptr, after a message on err, when the lookup fails: the runner then has nothing true to report.
std::shared_ptr<qov::QOVLocationIdentity> currentLocationForRunner(const std::optional<platform::geo::Coordinate>& gps,
                                                                   std::ostream& err, double timeOutSeconds = 30.0);

}  // namespace qovcli
