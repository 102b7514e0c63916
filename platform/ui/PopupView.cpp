#include "platform/ui/PopupView.h"

#include "platform/ui/PopupRegistry.h"

namespace platform::ui {

int PopupView::addButtonWithTitle(std::string title) {
    m_buttonTitles.push_back(std::move(title));
    return numberOfButtons() - 1;
}

std::string PopupView::buttonTitleAtIndex(int index) const {
    if (index < 0 || index >= numberOfButtons()) {
        return {};
    }
    return m_buttonTitles[static_cast<std::size_t>(index)];
}

void PopupView::show() {
    if (m_visible) {
        return;
    }
    m_visible = true;
    layoutForShow();
    PopupRegistry::shared().add(std::static_pointer_cast<PopupView>(shared_from_this()));
}

void PopupView::clickButtonAtIndex(int index) {
    if (m_visible && index >= 0 && index < numberOfButtons()) {
        dismiss(index, true);
    }
}

void PopupView::dismissWithClickedButtonIndex(int index, bool) {
    if (m_visible) {
        dismiss(index, false);
    }
}

void PopupView::dismiss(int index, bool click) {
    const std::shared_ptr<Responder> keep = shared_from_this();  // the registry may hold the last reference
    if (click) {
        clicked(index);
    }
    willDismiss(index);
    m_visible = false;
    PopupRegistry::shared().remove(*this);
    didDismiss(index);
}

std::string PopupView::text() const {
    std::string result = m_title;
    if (const std::string detail = message(); !detail.empty()) {
        result += result.empty() ? detail : ": " + detail;
    }
    for (int index = 0; index < numberOfButtons(); ++index) {
        result +=
            (result.empty() ? "[" : " [") + std::to_string(index) + " " + m_buttonTitles[std::size_t(index)] + "]";
    }
    return result;
}

bool PopupView::tapText(const std::string& text) {
    for (int index = 0; index < numberOfButtons(); ++index) {
        if (m_buttonTitles[static_cast<std::size_t>(index)] == text) {
            clickButtonAtIndex(index);
            return true;
        }
    }
    return false;
}

}  // namespace platform::ui
