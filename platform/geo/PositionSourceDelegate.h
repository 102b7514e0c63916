#pragma once

#include <memory>

#include "platform/geo/PositionError.h"
#include "platform/geo/PositionFix.h"

namespace platform::geo {

class PositionSource;

// What a position source tells its delegate, on the main run loop. Both operations are optional.
class PositionSourceDelegate {
public:
    virtual ~PositionSourceDelegate() = default;

    // A new fix; oldFix is the one delivered before it (nullptr for the source's first).
    virtual void didUpdateToLocation(PositionSource& /*source*/, const std::shared_ptr<PositionFix>& /*newFix*/,
                                     const std::shared_ptr<PositionFix>& /*oldFix*/) {}
    virtual void didFailWithError(PositionSource& /*source*/, const PositionError& /*error*/) {}
};

}  // namespace platform::geo
