#include "platform/net/TransferPool.h"

namespace platform::net {

TransferPool::TransferPool() { curl_global_init(CURL_GLOBAL_DEFAULT); }

TransferPool& TransferPool::shared() {
    // Never destroyed: operations still running during static destruction may check handles in.
    static NeverDestroyed<TransferPool> pool;
    return *pool;
}

std::optional<TransferPool::Handles> TransferPool::checkOut() {
    {
        std::lock_guard lock(m_mutex);
        if (!m_idle.empty()) {
            Handles handles = m_idle.back();
            m_idle.pop_back();
            return handles;
        }
    }
    Handles handles{curl_multi_init(), curl_easy_init()};
    if (handles.multi == nullptr || handles.easy == nullptr) {
        if (handles.easy != nullptr) {
            curl_easy_cleanup(handles.easy);
        }
        if (handles.multi != nullptr) {
            curl_multi_cleanup(handles.multi);
        }
        return std::nullopt;
    }
    return handles;
}

void TransferPool::checkIn(Handles handles) {
    curl_easy_reset(handles.easy);  // drops the finished transfer's options and callbacks, keeps connections
    std::lock_guard lock(m_mutex);
    m_idle.push_back(handles);
}

}  // namespace platform::net
