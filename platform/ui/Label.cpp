#include "platform/ui/Label.h"

#include <algorithm>
#include <limits>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/ViewLook.h"

namespace platform::ui {

std::vector<std::string> Label::dumpState() const {
    auto state = View::dumpState();
    state.push_back("color " + ViewLook::colorText(m_textColor));
    return state;
}

void Label::setText(std::string text) {
    m_text = std::move(text);
    setNeedsDisplay();
}

void Label::setFont(const gfx::Font& font) {
    m_font = font;
    setNeedsDisplay();
}

void Label::setTextColor(const gfx::Color& color) {
    m_textColor = color;
    setNeedsDisplay();
}

void Label::setTextAlignment(gfx::TextAlignment alignment) {
    m_textAlignment = alignment;
    setNeedsDisplay();
}

void Label::setNumberOfLines(int lines) {
    m_numberOfLines = std::max(lines, 0);
    setNeedsDisplay();
}

Size Label::sizeThatFits(Size size) const {
    if (m_numberOfLines == 1) {
        return m_font.sizeOfText(m_text);
    }
    const double width = size.width > 0.0 ? size.width : std::numeric_limits<double>::max();
    return m_font.sizeOfText(m_text, width, m_numberOfLines);
}

void Label::draw(gfx::BitmapContext& context) const {
    context.drawText(m_text, bounds(), m_font, m_textColor, m_textAlignment, m_numberOfLines,
                     m_lineBreakMode == LineBreakMode::TailTruncation);
}

}  // namespace platform::ui
