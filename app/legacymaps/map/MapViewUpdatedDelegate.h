#pragma once

#include <optional>

#include "platform/base/Date.h"

namespace qov {

// What the older tile map's layer tells about the loop it shows, on the main thread. Only setCurrentTimeStamp is
// required; the others do nothing unless overridden. Dates are absent when the layer has no such frame.
class MapViewUpdatedDelegate {
public:
    virtual ~MapViewUpdatedDelegate() = default;
    virtual void setCurrentTimeStamp(std::optional<platform::Date> timeStamp) = 0;
    virtual void setCurrentTimeSlice(int /*slice*/, bool /*forFuture*/) {}
    virtual void setMaxFutureTimeSlices(int /*count*/, std::optional<platform::Date> /*endTime*/) {}
    virtual void setMaxPastTimeSlices(int /*count*/, std::optional<platform::Date> /*startTime*/) {}
    virtual void mapRepositioned() {}
};

}  // namespace qov
