#pragma once

#include "platform/base/Value.h"

namespace qov {

// A quick look at stored tile bytes: they begin with the PNG signature and end with the image-end chunk, so a
// truncated or foreign file is caught without decoding the picture (fetched tiles were decoded once before
// they were stored).
class TileImageCheck {
public:
    static bool isWholePng(const platform::Data& data);
};

}  // namespace qov
