#include "platform/base/NotificationCenter.h"

namespace platform {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::resetDefaultCenter() {
    defaultCenter().removeWhere([](const Registration&) { return true; });
}

void NotificationCenter::addObserver(const void* owner, std::string name, Handler handler, const Object* sender) {
    if (!handler) {
        return;
    }
    auto registration =
        std::make_shared<Registration>(Registration{owner, std::move(name), sender, std::move(handler)});
    std::lock_guard lock(m_mutex);
    m_registrations.push_back(std::move(registration));
}

void NotificationCenter::removeObserver(const void* owner) {
    removeWhere([owner](const Registration& registration) { return registration.owner == owner; });
}

void NotificationCenter::removeObserver(const void* owner, std::string_view name) {
    removeWhere([owner, name](const Registration& registration) {
        return registration.owner == owner && registration.name == name;
    });
}

void NotificationCenter::removeWhere(const std::function<bool(const Registration&)>& matches) {
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

bool NotificationCenter::isRemoved(const Registration& registration) const {
    std::lock_guard lock(m_mutex);
    return registration.removed;
}

void NotificationCenter::postNotification(const std::string& name, Value object, Dictionary userInfo) {
    const Object* sender = nullptr;
    if (const auto* stored = object.ifObject()) {
        sender = stored->get();
    }
    std::vector<std::shared_ptr<Registration>> receivers;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& registration : m_registrations) {
            const bool nameMatches = registration->name.empty() || registration->name == name;
            const bool senderMatches = registration->sender == nullptr || registration->sender == sender;
            if (nameMatches && senderMatches) {
                receivers.push_back(registration);
            }
        }
    }
    const Notification notification{name, std::move(object), std::move(userInfo)};
    for (const auto& registration : receivers) {
        if (!isRemoved(*registration)) {
            registration->handler(notification);
        }
    }
}

}  // namespace platform
