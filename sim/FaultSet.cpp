#include "sim/FaultSet.h"

#include <algorithm>

namespace qovsim {

void FaultSet::add(Fault fault) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_faults, [&](const Fault& f) { return f.pathPattern == fault.pathPattern; });
    m_faults.push_back(std::move(fault));
}

void FaultSet::remove(std::string_view pathPattern) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_faults, [&](const Fault& f) { return f.pathPattern == pathPattern; });
}

void FaultSet::clear() {
    std::lock_guard lock(m_mutex);
    m_faults.clear();
}

std::vector<Fault> FaultSet::faults() const {
    std::lock_guard lock(m_mutex);
    return m_faults;
}

std::optional<Fault> FaultSet::match(std::string_view path) const {
    std::lock_guard lock(m_mutex);
    for (auto it = m_faults.rbegin(); it != m_faults.rend(); ++it) {
        if (it->matches(path)) {
            return *it;
        }
    }
    return std::nullopt;
}

}  // namespace qovsim
