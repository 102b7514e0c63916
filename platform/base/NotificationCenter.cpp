#include "platform/base/NotificationCenter.h"

#include "platform/base/ProcessInstance.h"

namespace platform {

NotificationCenter& NotificationCenter::defaultCenter() {
    static NeverDestroyed<NotificationCenter> center;
    return *center;
}

void NotificationCenter::resetDefaultCenter() {
    defaultCenter().m_registrations.removeWhere([](const Registration&) { return true; });
}

void NotificationCenter::addObserver(const void* owner, std::string name, Handler handler, const Object* sender) {
    if (handler) {
        m_registrations.add(Registration{owner, std::move(name), sender, std::move(handler)});
    }
}

void NotificationCenter::removeObserver(const void* owner) {
    m_registrations.removeWhere([owner](const Registration& registration) { return registration.owner == owner; });
}

void NotificationCenter::removeObserver(const void* owner, std::string_view name) {
    m_registrations.removeWhere([owner, name](const Registration& registration) {
        return registration.owner == owner && registration.name == name;
    });
}

void NotificationCenter::postNotification(const std::string& name, Value object, Dictionary userInfo) {
    const Object* sender = nullptr;
    if (const auto* stored = object.ifObject()) {
        sender = stored->get();
    }
    const Notification notification{name, std::move(object), std::move(userInfo)};
    m_registrations.forEachMatching(
        [&name, sender](const Registration& registration) {
            return (registration.name.empty() || registration.name == name) &&
                   (registration.sender == nullptr || registration.sender == sender);
        },
        [&notification](const Registration& registration) { registration.handler(notification); });
}

}  // namespace platform
