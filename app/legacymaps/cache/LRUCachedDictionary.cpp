#include "app/legacymaps/cache/LRUCachedDictionary.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qov {

LRUCachedDictionary::LRUCachedDictionary(std::shared_ptr<platform::Clock> clock) : m_clock(std::move(clock)) {}

std::size_t LRUCachedDictionary::maximumNumberOfObjects() const {
    std::lock_guard lock(m_mutex);
    return m_maximumNumberOfObjects;
}

void LRUCachedDictionary::setMaximumNumberOfObjects(std::size_t maximum) {
    std::lock_guard lock(m_mutex);
    m_maximumNumberOfObjects = maximum;
}

double LRUCachedDictionary::defaultStalenessInterval() const {
    std::lock_guard lock(m_mutex);
    return m_defaultStalenessInterval;
}

void LRUCachedDictionary::setDefaultStalenessInterval(double seconds) {
    std::lock_guard lock(m_mutex);
    m_defaultStalenessInterval = seconds;
}

void LRUCachedDictionary::setObject(std::shared_ptr<platform::Object> object, const std::string& key) {
    setObject(std::move(object), key, defaultStalenessInterval());
}

void LRUCachedDictionary::setObject(std::shared_ptr<platform::Object> object, const std::string& key,
                                    double staleInterval) {
    std::optional<platform::Date> staleAfter;
    if (std::isfinite(staleInterval) && staleInterval > 0.0) {
        staleAfter = m_clock->now().addingTimeInterval(staleInterval);
    }
    store(std::make_shared<LRUCacheEntry>(std::move(object), staleAfter, m_clock), key);
}

void LRUCachedDictionary::setObject(std::shared_ptr<platform::Object> object, const std::string& key,
                                    platform::Date staleDate) {
    store(std::make_shared<LRUCacheEntry>(std::move(object), staleDate, m_clock), key);
}

void LRUCachedDictionary::store(std::shared_ptr<LRUCacheEntry> entry, const std::string& key) {
    std::lock_guard lock(m_mutex);
    m_backingStore[key] = std::move(entry);
    reapObjects();
}

std::shared_ptr<platform::Object> LRUCachedDictionary::objectForKey(const std::string& key) {
    std::lock_guard lock(m_mutex);
    const auto found = m_backingStore.find(key);
    if (found == m_backingStore.end()) {
        return nullptr;
    }
    if (found->second->isStale()) {
        m_backingStore.erase(found);
        return nullptr;
    }
    return found->second->cachedObject();
}

void LRUCachedDictionary::removeObjectForKey(const std::string& key) {
    std::lock_guard lock(m_mutex);
    m_backingStore.erase(key);
}

void LRUCachedDictionary::removeAllObjects() {
    std::lock_guard lock(m_mutex);
    m_backingStore.clear();
}

std::size_t LRUCachedDictionary::count() const {
    std::lock_guard lock(m_mutex);
    return m_backingStore.size();
}

void LRUCachedDictionary::reapObjects() {
    std::lock_guard lock(m_mutex);
    if (m_maximumNumberOfObjects == 0 || m_backingStore.size() <= m_maximumNumberOfObjects) {
        return;
    }
    reapStaleObjects();
    if (m_backingStore.size() <= m_maximumNumberOfObjects) {
        return;
    }
    std::vector<std::shared_ptr<LRUCacheEntry>> entries;
    entries.reserve(m_backingStore.size());
    for (const auto& [key, entry] : m_backingStore) {
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const auto& lhs, const auto& rhs) { return lhs->compareLastAccessed(*rhs) < 0; });
    const std::size_t excess = entries.size() - m_maximumNumberOfObjects;
    for (std::size_t i = 0; i < excess; ++i) {
        removeEntryFromBackingStore(entries[i]);
    }
}

void LRUCachedDictionary::reapStaleObjects() {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_backingStore, [](const auto& item) { return item.second->isStale(); });
}

void LRUCachedDictionary::removeEntryFromBackingStore(const std::shared_ptr<LRUCacheEntry>& entry) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_backingStore, [&entry](const auto& item) { return item.second == entry; });
}

}  // namespace qov
