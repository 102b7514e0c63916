#include "app/ui/text/FittingFont.h"

namespace qov {

namespace {

constexpr double kSizeStep = 0.5;

}  // namespace

platform::gfx::Font fittingBoldFont(const std::string& text, double width, double pointSize, double minimumSize) {
    for (const bool condensed : {false, true}) {
        for (double size = pointSize; size >= minimumSize; size -= kSizeStep) {
            auto font = condensed ? platform::gfx::Font::condensedSystemFont(size, true)
                                  : platform::gfx::Font::boldSystemFont(size);
            if (font.sizeOfText(text).width <= width) {
                return font;
            }
        }
    }
    return platform::gfx::Font::condensedSystemFont(minimumSize, true);
}

}  // namespace qov
