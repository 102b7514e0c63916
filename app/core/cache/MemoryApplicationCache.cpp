#include "app/core/cache/MemoryApplicationCache.h"

#include <vector>

#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "platform/base/RunLoop.h"

namespace qov {

MemoryApplicationCache::MemoryApplicationCache(const std::shared_ptr<QOVDatasouce>& datasource)
    : ApplicationCache(datasource) {
    // The loop keeps the timer; the destructor invalidates it, so the callback never outlives the cache.
    m_locationTimer = platform::RunLoop::main().scheduleTimer(kValidationInterval, true,
                                                              [this](platform::Timer&) { validateCacheContents(); });
}

MemoryApplicationCache::~MemoryApplicationCache() {
    m_locationTimer->invalidate();
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelAllRequests();
    }
}

void MemoryApplicationCache::storeLocation(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        return;
    }
    std::scoped_lock guard(lock());
    m_locationCache[location->identifierAsString()] = location;
    notifyDelegatesForLocation(location);
}

std::shared_ptr<QOVLocation> MemoryApplicationCache::cachedLocation(const QOVLocationIdentity& identity) {
    std::scoped_lock guard(lock());
    const auto found = m_locationCache.find(identity.identifierAsString());
    return found != m_locationCache.end() ? found->second : nullptr;
}

void MemoryApplicationCache::removeLocationHavingId(const QOVLocationIdentity& identity) {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestForLocation(identity);
    }
    m_locationCache.erase(identity.identifierAsString());
}

void MemoryApplicationCache::removeAllLocations() {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestsForAllLocations();
    }
    m_locationCache.clear();
}

void MemoryApplicationCache::storeConfiguration(const std::shared_ptr<QOVMobileAppConfig>& configuration) {
    if (!configuration) {
        return;
    }
    std::scoped_lock guard(lock());
    m_configurationCache[configuration->applicationId()] = configuration;
    notifyDelegatesForConfiguration(configuration);
}

std::shared_ptr<QOVMobileAppConfig> MemoryApplicationCache::cachedConfigurationForId(const std::string& applicationId) {
    std::scoped_lock guard(lock());
    const auto found = m_configurationCache.find(applicationId);
    return found != m_configurationCache.end() ? found->second : nullptr;
}

void MemoryApplicationCache::removeConfigurationHavingId(const std::string& applicationId) {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestForConfiguration(applicationId);
    }
    m_configurationCache.erase(applicationId);
}

void MemoryApplicationCache::removeAllConfigurations() {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestsForAllConfigurations();
    }
    m_configurationCache.clear();
}

void MemoryApplicationCache::validateCacheContents() {
    std::scoped_lock guard(lock());
    const auto service = datasource();
    std::vector<std::shared_ptr<QOVLocation>> snapshot;
    for (const auto& [identifier, location] : m_locationCache) {
        snapshot.push_back(location);
    }
    for (const auto& location : snapshot) {
        if (location->isInvalid()) {
            m_locationCache.erase(location->identifierAsString());
            if (service) {
                service->requestLocation(*location);
            }
        } else if (location->isStale() && service) {
            service->requestLocation(*location);
        }
    }
}

}  // namespace qov
