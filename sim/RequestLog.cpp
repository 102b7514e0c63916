#include "sim/RequestLog.h"

#include <algorithm>

namespace qovsim {

RequestLog::RequestLog(std::size_t capacity) : m_capacity(std::max<std::size_t>(capacity, 1)) {}

void RequestLog::append(SimRequest request) {
    std::lock_guard lock(m_mutex);
    if (m_requests.size() == m_capacity) {
        m_requests.pop_front();
    }
    m_requests.push_back(std::move(request));
}

std::vector<SimRequest> RequestLog::snapshot() const {
    std::lock_guard lock(m_mutex);
    return {m_requests.begin(), m_requests.end()};
}

void RequestLog::clear() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

}  // namespace qovsim
