#pragma once

#include "platform/gfx/Color.h"

namespace qov {

// A colour for debugging layouts.
class UIColorQOV {
public:
    // Opaque, with red, blue and green (in that order) from three successive values of random().
    static platform::gfx::Color randomColor();
};

}  // namespace qov
