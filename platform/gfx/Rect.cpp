#include "platform/gfx/Rect.h"

#include <fmt/format.h>

namespace platform::gfx {

std::string Rect::description() const {
    return fmt::format("{{{:g}, {:g}, {:g}, {:g}}}", origin.x, origin.y, size.width, size.height);
}

}  // namespace platform::gfx
