#pragma once

#include <mutex>
#include <vector>

#include "sim/SimRequest.h"

namespace qovsim {

// Every request the service received, in arrival order; tests read it back.
class RequestLog {
public:
    void append(SimRequest request);
    std::vector<SimRequest> snapshot() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<SimRequest> m_requests;
};

}  // namespace qovsim
