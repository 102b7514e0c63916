#pragma once

#include <optional>
#include <string>

#include "platform/base/Value.h"

namespace qov {

// A quick look at stored tile bytes without decoding the picture: the check decoding ran before the tile was
// stored (platform::gfx::PngCheck with a tile's bounds), so a tile that was stored reads back, and a truncated,
// foreign or oversized file is caught.
class TileImageCheck {
public:
    // What is wrong with the bytes, or nullopt when they pass.
    static std::optional<std::string> problem(const platform::Data& data);
};

}  // namespace qov
