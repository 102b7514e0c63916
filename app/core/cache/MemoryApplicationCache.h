#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/core/cache/ApplicationCache.h"

namespace platform {
class Timer;
}

namespace qov {

// An application cache that keeps locations and configurations in memory and revalidates the locations every
// 45 s on the main run loop. No files, no points of interest (those operations stay abstract), no reachability
// test, no offline warning.
class MemoryApplicationCache : public ApplicationCache {
public:
    static constexpr double kValidationInterval = 45.0;

    explicit MemoryApplicationCache(const std::shared_ptr<QOVDatasouce>& datasource);
    ~MemoryApplicationCache() override;

    void storeLocation(const std::shared_ptr<QOVLocation>& location) override;
    std::shared_ptr<QOVLocation> cachedLocation(const QOVLocationIdentity& identity) override;
    void removeLocationHavingId(const QOVLocationIdentity& identity) override;
    void removeAllLocations() override;
    void storeConfiguration(const std::shared_ptr<QOVMobileAppConfig>& configuration) override;
    std::shared_ptr<QOVMobileAppConfig> cachedConfigurationForId(const std::string& applicationId) override;
    void removeConfigurationHavingId(const std::string& applicationId) override;
    void removeAllConfigurations() override;

    // Invalid locations are dropped and requested again, stale ones requested and kept.
    void validateCacheContents();

private:
    std::map<std::string, std::shared_ptr<QOVLocation>, std::less<>> m_locationCache;
    std::map<std::string, std::shared_ptr<QOVMobileAppConfig>, std::less<>> m_configurationCache;
    std::shared_ptr<platform::Timer> m_locationTimer;
};

}  // namespace qov
