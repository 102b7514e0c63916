#pragma once

#include <string>

#include "platform/ui/Geometry.h"
#include "platform/ui/KeyboardLayout.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::ui {

// Draws the on-screen keyboard's layer: a light-grey panel with the keys where KeyboardLayout puts them, the
// character keys and the space bar on white caps, shift, backspace, the layer switch and the return key (under
// the given title) on grey ones.
// Main thread only.
class KeyboardPainter {
public:
    static void paint(gfx::BitmapContext& context, const Rect& frame, KeyboardLayout::Layer layer,
                      const std::string& returnTitle);
};

}  // namespace platform::ui
