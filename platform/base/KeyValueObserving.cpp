#include "platform/base/KeyValueObserving.h"

#include <utility>

namespace platform {

void KeyValueObserving::addObserver(const void* observer, std::string keyPath, Handler handler) {
    if (handler) {
        m_registrations.add(Registration{observer, std::move(keyPath), std::move(handler)});
    }
}

void KeyValueObserving::removeObserver(const void* observer) {
    m_registrations.removeWhere(
        [observer](const Registration& registration) { return registration.observer == observer; });
}

void KeyValueObserving::removeObserver(const void* observer, std::string_view keyPath) {
    m_registrations.removeWhere([observer, keyPath](const Registration& registration) {
        return registration.observer == observer && registration.keyPath == keyPath;
    });
}

void KeyValueObserving::willChange(const std::string& keyPath, Value oldValue) {
    std::lock_guard lock(m_mutex);
    m_valuesBeforeChange.insert_or_assign(keyPath, std::move(oldValue));
}

void KeyValueObserving::didChange(const std::string& keyPath, const Value& newValue) {
    Value oldValue;
    {
        std::lock_guard lock(m_mutex);
        if (const auto found = m_valuesBeforeChange.find(keyPath); found != m_valuesBeforeChange.end()) {
            oldValue = std::move(found->second);
            m_valuesBeforeChange.erase(found);
        }
    }
    notifyChange(keyPath, oldValue, newValue);
}

void KeyValueObserving::notifyChange(const std::string& keyPath, const Value& oldValue, const Value& newValue) {
    m_registrations.forEachMatching(
        [&keyPath](const Registration& registration) { return registration.keyPath == keyPath; },
        [&](const Registration& registration) { registration.handler(keyPath, oldValue, newValue); });
}

}  // namespace platform
