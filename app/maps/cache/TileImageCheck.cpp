#include "app/maps/cache/TileImageCheck.h"

#include "platform/gfx/PngCheck.h"

namespace qov {

std::optional<std::string> TileImageCheck::problem(const platform::Data& data) {
    return platform::gfx::PngCheck::problem(data, platform::gfx::PngBounds::tile());
}

}  // namespace qov
