#include "platform/ui/PopupRegistry.h"

#include <algorithm>

#include "platform/base/ProcessInstance.h"
#include "platform/ui/PopupView.h"

namespace platform::ui {

PopupRegistry& PopupRegistry::shared() {
    static NeverDestroyed<PopupRegistry> registry;
    return *registry;
}

void PopupRegistry::add(const std::shared_ptr<PopupView>& popup) {
    if (popup && std::find(m_visible.begin(), m_visible.end(), popup) == m_visible.end()) {
        m_visible.push_back(popup);
    }
}

void PopupRegistry::remove(const PopupView& popup) {
    std::erase_if(m_visible, [&](const std::shared_ptr<PopupView>& entry) { return entry.get() == &popup; });
}

}  // namespace platform::ui
