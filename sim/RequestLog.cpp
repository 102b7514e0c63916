#include "sim/RequestLog.h"

namespace qovsim {

void RequestLog::append(SimRequest request) {
    std::lock_guard lock(m_mutex);
    m_requests.push_back(std::move(request));
}

std::vector<SimRequest> RequestLog::snapshot() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

void RequestLog::clear() {
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

}  // namespace qovsim
