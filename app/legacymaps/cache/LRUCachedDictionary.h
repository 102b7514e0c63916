#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "app/legacymaps/cache/LRUCacheEntry.h"
#include "platform/base/Clock.h"
#include "platform/base/Object.h"

namespace qov {

// A key-value cache with an optional capacity and optional expiry that evicts the least recently read entries
// first. Any thread: every operation holds one re-entrant lock (a new entry is made before it is taken).
//
// Capacity (maximumNumberOfObjects, 0 = no limit) is enforced after every store: stale entries go first, then
// the oldest accesses until the count fits. Expiry is otherwise lazy: a stale entry stays until it is read
// (which removes it and answers nullptr) or until the store overflows. Times come from the injected clock.
class LRUCachedDictionary {
public:
    explicit LRUCachedDictionary(std::shared_ptr<platform::Clock> clock = platform::Clock::shared());

    std::size_t maximumNumberOfObjects() const;
    void setMaximumNumberOfObjects(std::size_t maximum);
    // Seconds after a store at which an entry stored without its own interval goes stale; 0 = never.
    double defaultStalenessInterval() const;
    void setDefaultStalenessInterval(double seconds);

    // Stores with the default staleness interval.
    void setObject(std::shared_ptr<platform::Object> object, const std::string& key);
    // Stale from now + interval; an interval of 0 (or one that is not a positive number) never goes stale.
    void setObject(std::shared_ptr<platform::Object> object, const std::string& key, double staleInterval);
    // Replaces any entry under the key; the store counts as the entry's most recent access.
    void setObject(std::shared_ptr<platform::Object> object, const std::string& key, platform::Date staleDate);

    // nullptr when absent or stale (a stale entry is removed); a hit counts as an access.
    std::shared_ptr<platform::Object> objectForKey(const std::string& key);
    void removeObjectForKey(const std::string& key);
    void removeAllObjects();
    // Entries held, stale ones included.
    std::size_t count() const;

private:
    void store(std::shared_ptr<LRUCacheEntry> entry, const std::string& key);
    void reapObjects();
    void reapStaleObjects();
    void removeEntryFromBackingStore(const std::shared_ptr<LRUCacheEntry>& entry);

    std::shared_ptr<platform::Clock> m_clock;
    mutable std::recursive_mutex m_mutex;
    std::map<std::string, std::shared_ptr<LRUCacheEntry>> m_backingStore;
    std::size_t m_maximumNumberOfObjects = 0;
    double m_defaultStalenessInterval = 0.0;
};

}  // namespace qov
