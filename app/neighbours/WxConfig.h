#pragma once

#include <memory>
#include <mutex>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"

namespace qov {

class ApplicationCache;

// Ad targeting: follows the weather of the current location, which the ad parameters are drawn from. Made
// once; it listens to the application cache for the current location from its creation on.
class WxConfig : public ApplicationCacheLocationChangedDelegate, public std::enable_shared_from_this<WxConfig> {
public:
    // The process instance, made on first use (under a lock) and registered with ApplicationCacheFactory's cache.
    static std::shared_ptr<WxConfig> sharedInstance();
    // A new instance registered as a current-location listener of the given cache.
    static std::shared_ptr<WxConfig> create(const std::shared_ptr<ApplicationCache>& cache);

    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;
    // The last weather received for the current location, or nullptr.
    std::shared_ptr<QOVLocation> currentLocation() const;

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<QOVLocation> m_currentLocation;
};

}  // namespace qov
