#include "app/shell/categories/UIColorQOV.h"

#include <cstdlib>

namespace qov {

platform::gfx::Color UIColorQOV::randomColor() {
    constexpr double kScale = 1.0 / 2147483648.0;
    const double red = static_cast<double>(random()) * kScale;
    const double blue = static_cast<double>(random()) * kScale;
    const double green = static_cast<double>(random()) * kScale;
    return platform::gfx::Color::rgba(red, green, blue, 1.0);
}

}  // namespace qov
