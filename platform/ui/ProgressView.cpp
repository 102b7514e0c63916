#include "platform/ui/ProgressView.h"

#include <algorithm>

#include "platform/gfx/BitmapContext.h"

namespace platform::ui {

ProgressView::ProgressView(ProgressViewStyle style) : View(Rect(0, 0, 150, 9)), m_style(style) {}

void ProgressView::setProgress(double progress) {
    m_progress = std::clamp(progress, 0.0, 1.0);
    setNeedsDisplay();
}

void ProgressView::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    context.fillRect(area, gfx::Color::white(0.9));
    context.fillRect(Rect(area.x(), area.y(), area.width() * m_progress, area.height()),
                     gfx::Color::rgba(0.2, 0.45, 0.85));
    context.strokeRect(area, gfx::Color::gray());
}

}  // namespace platform::ui
