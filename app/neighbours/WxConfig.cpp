#include "app/neighbours/WxConfig.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "platform/base/ProcessInstance.h"

namespace qov {

std::shared_ptr<WxConfig> WxConfig::sharedInstance() {
    static platform::NeverDestroyed<std::shared_ptr<WxConfig>> instance(
        create(ApplicationCacheFactory::sharedInstance().cache()));
    return *instance;
}

std::shared_ptr<WxConfig> WxConfig::create(const std::shared_ptr<ApplicationCache>& cache) {
    auto config = std::make_shared<WxConfig>();
    if (cache) {
        cache->startListeningForCurrentLocationWithDelegate(config);
    }
    return config;
}

void WxConfig::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    const std::lock_guard lock(m_mutex);
    m_currentLocation = location;
}

std::shared_ptr<QOVLocation> WxConfig::currentLocation() const {
    const std::lock_guard lock(m_mutex);
    return m_currentLocation;
}

}  // namespace qov
