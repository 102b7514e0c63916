#include "platform/ui/TextView.h"

#include <algorithm>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/TextEditing.h"

namespace platform::ui {

void TextView::setText(std::string text) {
    m_text = std::move(text);
    setNeedsDisplay();
}

void TextView::typeText(const std::string& characters) {
    if (m_editable && becomeFirstResponder()) {
        setText(m_text + characters);
    }
}

void TextView::deleteBackward() {
    if (m_editable && isFirstResponder()) {
        setText(m_text.substr(0, m_text.size() - lastCharacterLength(m_text)));
    }
}

void TextView::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    const double width = area.width() - 16.0;
    const double height = std::min(m_font.sizeOfText(m_text, width).height, area.height() - 16.0);
    context.drawText(m_text, Rect(area.x() + 8.0, area.y() + 8.0, width, height), m_font, m_textColor,
                     gfx::TextAlignment::Left, 0);
}

}  // namespace platform::ui
