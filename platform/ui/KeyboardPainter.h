#pragma once

#include <string>

#include "platform/ui/Geometry.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::ui {

// Draws the on-screen keyboard: a light-grey panel with the keys where KeyboardLayout puts them, letters and the
// space bar on white caps, shift, backspace, "123" and the return key (under the given title) on grey ones.
// Main thread only.
class KeyboardPainter {
public:
    static void paint(gfx::BitmapContext& context, const Rect& frame, const std::string& returnTitle);
};

}  // namespace platform::ui
