#include "platform/ui/ActivityIndicatorView.h"

#include <cmath>
#include <numbers>

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

ActivityIndicatorView::ActivityIndicatorView(ActivityIndicatorStyle style)
    : View(style == ActivityIndicatorStyle::WhiteLarge ? Rect(0, 0, 37, 37) : Rect(0, 0, 20, 20)), m_style(style) {
    setHidden(true);
}

void ActivityIndicatorView::startAnimating() {
    m_animating = true;
    setHidden(false);
}

void ActivityIndicatorView::stopAnimating() {
    m_animating = false;
    if (m_hidesWhenStopped) {
        setHidden(true);
    }
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides) {
    m_hidesWhenStopped = hides;
    setHidden(hides && !m_animating);
}

void ActivityIndicatorView::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    const gfx::Color color = m_style == ActivityIndicatorStyle::Gray ? gfx::Color::gray() : gfx::Color::white();
    const double radius = std::min(area.width(), area.height()) / 2.0;
    const double dot = radius / 3.0;
    for (int spoke = 0; spoke < 12; ++spoke) {
        const double angle = spoke * std::numbers::pi / 6.0;
        const double x = area.midX() + std::cos(angle) * (radius - dot);
        const double y = area.midY() + std::sin(angle) * (radius - dot);
        context.fillEllipse(Rect(x - dot / 2.0, y - dot / 2.0, dot, dot), color.withAlpha(0.3 + spoke / 16.0));
    }
}

}  // namespace platform::ui
