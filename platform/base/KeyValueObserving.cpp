#include "platform/base/KeyValueObserving.h"

#include <utility>

namespace platform {

void KeyValueObserving::addObserver(const void* observer, std::string keyPath, Handler handler) {
    if (!handler) {
        return;
    }
    auto registration = std::make_shared<Registration>(Registration{observer, std::move(keyPath), std::move(handler)});
    std::lock_guard lock(m_mutex);
    m_registrations.push_back(std::move(registration));
}

void KeyValueObserving::removeObserver(const void* observer) {
    removeWhere([observer](const Registration& registration) { return registration.observer == observer; });
}

void KeyValueObserving::removeObserver(const void* observer, std::string_view keyPath) {
    removeWhere([observer, keyPath](const Registration& registration) {
        return registration.observer == observer && registration.keyPath == keyPath;
    });
}

void KeyValueObserving::removeWhere(const std::function<bool(const Registration&)>& matches) {
    // Handlers are released after the lock is dropped: their captures' destructors may call back in.
    std::vector<std::shared_ptr<Registration>> removed;
    std::lock_guard lock(m_mutex);
    std::erase_if(m_registrations, [&](const std::shared_ptr<Registration>& registration) {
        if (!matches(*registration)) {
            return false;
        }
        registration->removed = true;
        removed.push_back(registration);
        return true;
    });
}

bool KeyValueObserving::isRemoved(const Registration& registration) const {
    std::lock_guard lock(m_mutex);
    return registration.removed;
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
    std::vector<std::shared_ptr<Registration>> receivers;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& registration : m_registrations) {
            if (registration->keyPath == keyPath) {
                receivers.push_back(registration);
            }
        }
    }
    for (const auto& registration : receivers) {
        if (!isRemoved(*registration)) {
            registration->handler(keyPath, oldValue, newValue);
        }
    }
}

}  // namespace platform
