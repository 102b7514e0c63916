#include "platform/net/Reachability.h"

#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(15)

namespace platform::net {

const std::shared_ptr<Reachability>& Reachability::shared() {
    // Never destroyed: requests still running during static destruction may ask it.
    static NeverDestroyed<const std::shared_ptr<Reachability>> instance(
        std::shared_ptr<Reachability>(new Reachability()));
    return *instance;
}

bool Reachability::isReachable() const {
    std::lock_guard lock(m_mutex);
    return m_reachable;
}

void Reachability::setReachable(bool reachable) {
    {
        std::lock_guard lock(m_mutex);
        if (m_reachable == reachable) {
            return;
        }
        m_reachable = reachable;
    }
    QOV_LOG_INFO("The network is now {}", reachable ? "reachable" : "unreachable");
    NotificationCenter::defaultCenter().postNotification(kChangedNotification, Value(shared()));
}

void Reachability::reset() {
    std::lock_guard lock(shared()->m_mutex);
    shared()->m_reachable = true;
}

}  // namespace platform::net
