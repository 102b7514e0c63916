#include "platform/ui/BarDrawing.h"

#include <algorithm>

#include "platform/ui/Image.h"

namespace platform::ui {

namespace {

constexpr double kPadding = 10.0;

// Fonts are made where they are used: a Font constant would run its destructor at exit.
gfx::Font itemFont() { return gfx::Font::boldSystemFont(12.0); }

}  // namespace

gfx::Color BarDrawing::barColor(const gfx::Color& tint, bool black) { return black ? gfx::Color::white(0.1) : tint; }

double BarDrawing::itemWidth(const BarButtonItem& item) {
    if (item.width() > 0.0) {
        return item.width();
    }
    if (item.image()) {
        return item.image()->size().width + 2.0 * kPadding;
    }
    return std::max(30.0, itemFont().sizeOfText(item.title()).width + 2.0 * kPadding);
}

void BarDrawing::drawItem(gfx::BitmapContext& context, const BarButtonItem& item, const Rect& frame) {
    if (item.isSpace() || item.customView()) {
        return;
    }
    if (item.style() != BarButtonItemStyle::Plain) {
        context.fillRect(frame, item.style() == BarButtonItemStyle::Done ? gfx::Color::rgba(0.2, 0.4, 0.8)
                                                                         : gfx::Color::white(1.0, 0.2));
        context.strokeRect(frame, gfx::Color::white(0.0, 0.4));
    }
    if (item.image()) {
        const Size size = item.image()->size();
        item.image()->drawInRect(
            context, Rect(frame.midX() - size.width / 2.0, frame.midY() - size.height / 2.0, size.width, size.height));
    }
    context.drawText(item.title(), frame, itemFont(), gfx::Color::white(1.0, item.isEnabled() ? 1.0 : 0.5),
                     gfx::TextAlignment::Center);
}

void BarDrawing::drawButton(gfx::BitmapContext& context, const std::string& title, const Rect& frame) {
    context.fillRect(frame, gfx::Color::white(1.0, 0.2));
    context.strokeRect(frame, gfx::Color::white(0.0, 0.4));
    context.drawText(title, frame, itemFont(), gfx::Color::white(), gfx::TextAlignment::Center);
}

}  // namespace platform::ui
