#include "platform/ui/Switch.h"

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

void Switch::setOn(bool on, bool) {
    m_on = on;
    setNeedsDisplay();
}

void Switch::toggle() {
    if (!isEnabled()) {
        return;
    }
    setOn(!m_on);
    sendActionsForControlEvents(kControlEventValueChanged);
}

bool Switch::tapText(const std::string& text) {
    if (text != this->text() || !isEnabled()) {
        return false;
    }
    toggle();
    return true;
}

void Switch::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    context.fillRect(area, m_on ? gfx::Color::rgba(0.2, 0.45, 0.85) : gfx::Color::white(0.9));
    context.strokeRect(area, gfx::Color::gray());
    const Rect knob(m_on ? area.maxX() - area.height() : area.x(), area.y(), area.height(), area.height());
    context.fillRect(knob, gfx::Color::white());
    context.strokeRect(knob, gfx::Color::gray());
    context.drawText(text(),
                     m_on ? Rect(0, 0, area.width() - area.height(), area.height())
                          : Rect(area.height(), 0, area.width() - area.height(), area.height()),
                     gfx::Font::boldSystemFont(14.0), m_on ? gfx::Color::white() : gfx::Color::darkGray(),
                     gfx::TextAlignment::Center);
}

}  // namespace platform::ui
