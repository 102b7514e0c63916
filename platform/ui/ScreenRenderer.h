#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Image.h"
#include "platform/ui/View.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::ui {

// Draws view trees with the drawing layer: for every visible view, back to front, its background, its
// own content (View::draw) and its subviews, honouring bounds offsets, clipping, alpha and rotation.
class ScreenRenderer {
public:
    // The view and its subviews in an image of the view's size.
    static std::shared_ptr<gfx::Image> renderView(View& view);
    // The screen as the user sees it: the status bar, the key window's visible layers, the keyboard while it
    // is shown, and the alerts and sheets over a dimmed screen; scale pixels to a point (2 for a high-density display).
    static std::shared_ptr<gfx::Image> renderScreen(double scale = 1.0);
    // renderScreen() written as PNG where the path leads (gfx::Image::writePNG); false with problem saying why when
    // it cannot be written there.
    static bool writeScreen(const std::string& path, std::string& problem);
    // As above, the problem logged.
    static bool writeScreen(const std::string& path);

private:
    static void drawTree(gfx::BitmapContext& context, View& view);
};

}  // namespace platform::ui
