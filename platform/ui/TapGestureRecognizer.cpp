#include "platform/ui/TapGestureRecognizer.h"

#include "platform/ui/View.h"

namespace platform::ui {

bool TapGestureRecognizer::fire(std::optional<Point> location) {
    auto view = m_view.lock();
    if (!m_enabled || !view || !view->isUserInteractionEnabled() || !m_action) {
        return false;
    }
    m_location = location;
    m_action(*this);
    return true;
}

std::optional<Point> TapGestureRecognizer::locationInView() const {
    const auto view = m_view.lock();
    if (!view || !m_location) {
        return std::nullopt;
    }
    const Rect frame = view->frameInWindow();
    return Point{m_location->x - frame.x() + view->bounds().x(), m_location->y - frame.y() + view->bounds().y()};
}

}  // namespace platform::ui
