#include "platform/geo/PositionError.h"

namespace platform::geo {

PositionError PositionError::locationUnknown() {
    return PositionError(std::string(kDomain), kLocationUnknown, "The current location is unknown.");
}

PositionError PositionError::denied() {
    return PositionError(std::string(kDomain), kDenied, "Access to location services was denied.");
}

}  // namespace platform::geo
