#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/base/Clock.h"
#include "platform/base/Object.h"

namespace qov {

// One value of an LRUCachedDictionary with the time it was last read or written and an optional date from
// which it counts as stale. Entries have no lock of their own: the dictionary that holds them locks around
// every use.
class LRUCacheEntry {
public:
    // staleAfter: nullopt for an entry that never goes stale.
    LRUCacheEntry(std::shared_ptr<platform::Object> object, std::optional<platform::Date> staleAfter,
                  std::shared_ptr<platform::Clock> clock);

    // Reading and writing the value both count as an access.
    std::shared_ptr<platform::Object> cachedObject();
    void setCachedObject(std::shared_ptr<platform::Object> object);

    // Seconds since 1970 of the last access.
    double lastAccessed() const { return m_lastAccessed; }
    const std::optional<platform::Date>& staleAfter() const { return m_staleAfter; }
    // Stale from staleAfter on (the date itself included); never without one.
    bool isStale() const;

    // -1 when this entry was accessed before the other, 1 after, 0 for the same access. Accesses at the same
    // clock time are told apart by their order, so the entry touched first counts as the older one.
    int compareLastAccessed(const LRUCacheEntry& other) const;

private:
    void stamp();

    std::shared_ptr<platform::Object> m_cachedObject;
    double m_lastAccessed = 0.0;
    std::uint64_t m_accessOrder = 0;
    std::optional<platform::Date> m_staleAfter;
    std::shared_ptr<platform::Clock> m_clock;
};

}  // namespace qov
