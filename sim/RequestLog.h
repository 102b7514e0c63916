#pragma once

#include <cstddef>
#include <deque>
#include <mutex>
#include <vector>

#include "sim/SimRequest.h"

namespace qovsim {

// The newest requests the service received, in arrival order; tests read it back. Bounded, so a long-running
// service does not grow with its traffic: beyond the capacity the oldest entries are forgotten. Thread-safe.
class RequestLog {
public:
    static constexpr std::size_t kDefaultCapacity = 10000;

    explicit RequestLog(std::size_t capacity = kDefaultCapacity);

    void append(SimRequest request);
    std::vector<SimRequest> snapshot() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::size_t m_capacity;
    std::deque<SimRequest> m_requests;
};

}  // namespace qovsim
