#pragma once

#include <string>

#include "platform/ui/Geometry.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::ui {

// Draws the on-screen keyboard: a light-grey panel with three rows of letter keys (q-p, a-l, and z-m between
// shift and backspace) and a bottom row of "123", the space bar and the return key under the given title. Keys
// are laid out in proportion to the frame's width, so the same look serves a phone and a pad. Main thread only.
class KeyboardPainter {
public:
    static void paint(gfx::BitmapContext& context, const Rect& frame, const std::string& returnTitle);
};

}  // namespace platform::ui
