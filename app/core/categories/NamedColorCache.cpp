#include "app/core/categories/NamedColorCache.h"

namespace qov {

NamedColorCache::NamedColorCache(Lookup lookup, std::size_t capacity)
    : m_lookup(std::move(lookup)), m_capacity(capacity == 0 ? 1 : capacity) {}

std::optional<NamedColorCache::Color> NamedColorCache::colorWithName(std::string_view name) {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_answers.find(name); found != m_answers.end()) {
        return found->second;
    }
    std::optional<Color> answer = m_lookup(name);
    if (m_answers.size() >= m_capacity) {
        m_answers.clear();
    }
    m_answers.emplace(std::string(name), answer);
    return answer;
}

std::size_t NamedColorCache::count() const {
    const std::lock_guard lock(m_mutex);
    return m_answers.size();
}

}  // namespace qov
