#include "platform/ui/Slider.h"

#include <algorithm>

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

void Slider::setValue(double value, bool) {
    m_value = std::clamp(value, m_minimumValue, std::max(m_minimumValue, m_maximumValue));
    setNeedsDisplay();
}

void Slider::setMinimumValue(double value) {
    m_minimumValue = value;
    setValue(m_value);
}

void Slider::setMaximumValue(double value) {
    m_maximumValue = value;
    setValue(m_value);
}

void Slider::slide(double value) {
    if (!isEnabled()) {
        return;
    }
    setValue(value);
    sendActionsForControlEvents(kControlEventValueChanged);
}

void Slider::dragThumb(double dx) {
    const double track = bounds().width() - bounds().height();
    if (track > 0.0) {
        slide(m_value + dx / track * (m_maximumValue - m_minimumValue));
    }
}

void Slider::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    const double range = m_maximumValue - m_minimumValue;
    const double fraction = range > 0.0 ? (m_value - m_minimumValue) / range : 0.0;
    const double knob = area.height();
    const double x = area.x() + fraction * std::max(0.0, area.width() - knob);
    context.fillRect(Rect(area.x(), area.midY() - 2.0, area.width(), 4.0), gfx::Color::lightGray());
    context.fillRect(Rect(area.x(), area.midY() - 2.0, x - area.x() + knob / 2.0, 4.0),
                     gfx::Color::rgba(0.2, 0.45, 0.85));
    context.fillEllipse(Rect(x, area.y(), knob, knob), gfx::Color::white());
    // Outlined, so the thumb shows on a white cell too.
    context.strokeEllipse(Rect(x + 0.5, area.y() + 0.5, knob - 1.0, knob - 1.0), gfx::Color::white(0.6));
}

}  // namespace platform::ui
