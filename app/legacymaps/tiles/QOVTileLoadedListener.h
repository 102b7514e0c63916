#pragma once

#include <optional>

#include "platform/base/Date.h"

namespace qov {

// Told, on the main thread, that a tile of the older tile map arrived, with the time stamp of the frame shown.
class QOVTileLoadedListener {
public:
    virtual ~QOVTileLoadedListener() = default;
    virtual void tileLoadedWithTimeStamp(std::optional<platform::Date> timeStamp) = 0;
};

}  // namespace qov
