#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/Object.h"
#include "platform/base/ObserverList.h"
#include "platform/base/Value.h"

namespace platform {

struct Notification {
    std::string name;
    Value object;
    Dictionary userInfo;
};

// Delivers named notifications synchronously, on the posting thread, to the observers registered at the
// time of posting. Any thread may add, remove and post. Handlers are never called under the registry's
// lock, so they may post, add and remove freely; an observer removed while a post is under way (by an
// earlier handler or another thread) is not called by that post any more.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    static NotificationCenter& defaultCenter();
    // Tests: forgets every observer of the default center (the center itself stays, so references to it
    // remain good).
    static void resetDefaultCenter();

    // owner: identity for removal (usually this); name "" = every name; sender nullptr = any sender,
    // otherwise only notifications whose object is that very object.
    void addObserver(const void* owner, std::string name, Handler handler, const Object* sender = nullptr);
    // Removes every registration of the owner.
    void removeObserver(const void* owner);
    // Removes the owner's registrations for that name (registrations for every name stay).
    void removeObserver(const void* owner, std::string_view name);
    void postNotification(const std::string& name, Value object = {}, Dictionary userInfo = {});

private:
    struct Registration {
        const void* owner;
        std::string name;
        const Object* sender;
        Handler handler;
    };

    ObserverList<Registration> m_registrations;
};

}  // namespace platform
