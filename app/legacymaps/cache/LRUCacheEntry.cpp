#include "app/legacymaps/cache/LRUCacheEntry.h"

#include <atomic>

namespace qov {

namespace {

std::uint64_t nextAccessOrder() {
    static std::atomic<std::uint64_t> order{0};
    return ++order;
}

}  // namespace

LRUCacheEntry::LRUCacheEntry(std::shared_ptr<platform::Object> object, std::optional<platform::Date> staleAfter,
                             std::shared_ptr<platform::Clock> clock)
    : m_cachedObject(std::move(object)), m_staleAfter(staleAfter), m_clock(std::move(clock)) {
    stamp();
}

std::shared_ptr<platform::Object> LRUCacheEntry::cachedObject() {
    stamp();
    return m_cachedObject;
}

void LRUCacheEntry::setCachedObject(std::shared_ptr<platform::Object> object) {
    m_cachedObject = std::move(object);
    stamp();
}

bool LRUCacheEntry::isStale() const { return m_staleAfter && !(m_clock->now() < *m_staleAfter); }

int LRUCacheEntry::compareLastAccessed(const LRUCacheEntry& other) const {
    if (m_lastAccessed != other.m_lastAccessed) {
        return m_lastAccessed > other.m_lastAccessed ? 1 : -1;
    }
    if (m_accessOrder != other.m_accessOrder) {
        return m_accessOrder > other.m_accessOrder ? 1 : -1;
    }
    return 0;
}

void LRUCacheEntry::stamp() {
    m_lastAccessed = m_clock->now().secondsSince1970;
    m_accessOrder = nextAccessOrder();
}

}  // namespace qov
