#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/TextAlignment.h"
#include "platform/ui/InterfaceContext.h"
#include "platform/ui/Label.h"

namespace qov {

// The type and colours the weather panels' interface files share: white values in condensed faces (so that
// temperatures, wind and times fit their columns), grey captions, all on the theme's black.
class PanelLayout {
public:
    static platform::gfx::Color captionColor() { return platform::gfx::Color::rgba(0.62, 0.66, 0.72); }

    // A white label in the condensed face, on a clear background.
    static std::shared_ptr<platform::ui::Label> value(
        platform::ui::InterfaceContext& file, const platform::ui::Rect& frame, double size, bool bold = false,
        platform::gfx::TextAlignment alignment = platform::gfx::TextAlignment::Left);
    // A grey caption with fixed text.
    static std::shared_ptr<platform::ui::Label> caption(
        platform::ui::InterfaceContext& file, const platform::ui::Rect& frame, const std::string& text,
        double size = 12.0, platform::gfx::TextAlignment alignment = platform::gfx::TextAlignment::Left);
    // A grid of captioned values, two columns of rows kDetailRowHeight high (the right-now panel's details and
    // the 10-day panel's day details): adds the caption and its value to the grid and answers the value label.
    static constexpr double kDetailRowHeight = 31.0;
    static std::shared_ptr<platform::ui::Label> detail(platform::ui::InterfaceContext& file, platform::ui::View& grid,
                                                       int column, int row, const std::string& caption);
    // Adds the views to the parent, back to front.
    static void addAll(platform::ui::View& parent, std::initializer_list<std::shared_ptr<platform::ui::View>> views);
};

}  // namespace qov
