#pragma once

#include <memory>
#include <mutex>

#include "platform/base/Object.h"

namespace platform::net {

// Whether the network can be reached: one process-wide state, reachable at start, switched by tests and by the
// device runner ("network on|off"). Every change posts kChangedNotification through the default notification
// center, synchronously on the thread that made the change (the main thread in practice), with the shared
// Reachability as the notification's object and no user information. Observers need start nothing.
// While the network is unreachable, HttpRequest fails at once with a connection error and sends nothing.
class Reachability : public Object {
public:
    static constexpr const char* kChangedNotification = "NetworkReachabilityChangedNotification";

    // The process instance; it lives until the process ends.
    static const std::shared_ptr<Reachability>& shared();

    // Any thread.
    bool isReachable() const;
    // Posts kChangedNotification when the state changes; setting the current state posts nothing.
    void setReachable(bool reachable);

    // Tests: reachable again, without a notification.
    static void reset();

private:
    Reachability() = default;

    mutable std::mutex m_mutex;
    bool m_reachable = true;
};

}  // namespace platform::net
