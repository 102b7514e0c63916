#pragma once

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Geometry.h"

namespace platform::ui {

// Drawing shared by toolbars and navigation bars.
class BarDrawing {
public:
    static gfx::Color barColor(const gfx::Color& tint, bool black);
    // The natural width of an item (its title or image, plus padding).
    static double itemWidth(const BarButtonItem& item);
    static void drawItem(gfx::BitmapContext& context, const BarButtonItem& item, const Rect& frame);
    static void drawButton(gfx::BitmapContext& context, const std::string& title, const Rect& frame);
};

}  // namespace platform::ui
