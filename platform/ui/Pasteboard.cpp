#include "platform/ui/Pasteboard.h"

#include "platform/base/ProcessInstance.h"

namespace platform::ui {

Pasteboard& Pasteboard::general() {
    static NeverDestroyed<Pasteboard> pasteboard;
    return *pasteboard;
}

std::optional<std::string> Pasteboard::string() const {
    std::lock_guard lock(m_mutex);
    return m_string;
}

void Pasteboard::setString(std::string text) {
    std::lock_guard lock(m_mutex);
    m_string = std::move(text);
}

void Pasteboard::clear() {
    std::lock_guard lock(m_mutex);
    m_string.reset();
}

}  // namespace platform::ui
