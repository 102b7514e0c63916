#include "platform/ui/TapGestureRecognizer.h"

#include "platform/ui/View.h"

namespace platform::ui {

bool TapGestureRecognizer::fire() {
    auto view = m_view.lock();
    if (!m_enabled || !view || !view->isUserInteractionEnabled() || !m_action) {
        return false;
    }
    m_action(*this);
    return true;
}

}  // namespace platform::ui
