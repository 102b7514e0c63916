#pragma once

#include <mutex>
#include <optional>
#include <string_view>
#include <vector>

#include "sim/Fault.h"

namespace qovsim {

// The faults in force, shared by the request threads, the tests and the admin path.
class FaultSet {
public:
    // Adds a fault; an earlier fault with the same pattern is replaced.
    void add(Fault fault);
    void remove(std::string_view pathPattern);
    void clear();
    std::vector<Fault> faults() const;
    // The most recently added fault that matches the path, if any.
    std::optional<Fault> match(std::string_view path) const;

private:
    mutable std::mutex m_mutex;
    std::vector<Fault> m_faults;
};

}  // namespace qovsim
