#pragma once

#include <string>

#include "platform/base/Value.h"

namespace qov {

// One update of the legacy data cache: bytes, how long they stay good and their key. A plain value.
struct DataCacheUpdate {
    platform::Data data;
    double cacheInterval = 0.0;
    std::string key;
};

}  // namespace qov
