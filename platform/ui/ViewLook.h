#pragma once

#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/ui/View.h"

namespace platform::ui {

// How a view looks, as the words the screen dump writes after the view's state (View::dumpState), so that a
// change a person would see changes the dump. First what the view's kind draws:
//   text          font DejaVuSans-Bold 15, align center|right (left is not written), lines N (1 is not written)
//                 (labels; a field and a text view also their colour; a button its title's colour and face)
//   pictures      image NAME, background-image NAME (a button's), aspect-fit (an image view that keeps proportions)
//   fields, bars  placeholder "TEXT" (while empty), border line|bezel|rounded, tint #RRGGBB, style black|translucent,
//                 cancel (a search bar's button), left|back|right "TITLE" (a navigation bar's buttons)
//   tables        separator #RRGGBB; a cell's selected highlight and accessory disclosure|checkmark
//   values        progress 0.25, value 0.5, animating, title "TEXT" and page "TEXT" (a web page's)
// then what every view has: background #RRGGBB (when not clear), corners R (rounded), rotation DEGREES (when
// turned). Colours are "#RRGGBB", with the alpha appended ("#RRGGBBAA") when not opaque. Main thread.
class ViewLook {
public:
    static std::vector<std::string> words(const View& view);
    static std::string colorText(const gfx::Color& color);
    // The text in double quotes, with \" and \\ for quotes and backslashes and control characters escaped
    // (platform::printableText).
    static std::string quoted(const std::string& text);
};

}  // namespace platform::ui
