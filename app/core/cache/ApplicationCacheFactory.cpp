#include "app/core/cache/ApplicationCacheFactory.h"

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/services/ApplicationCachesDirectory.h"
#include "platform/base/NotificationCenter.h"

namespace qov {

ApplicationCacheFactory& ApplicationCacheFactory::sharedInstance() {
    // The cache stops observing the default center when the process ends: the center is made first so that it
    // is destroyed after the factory.
    platform::NotificationCenter::defaultCenter();
    static ApplicationCacheFactory instance;
    return instance;
}

std::shared_ptr<ApplicationCache> ApplicationCacheFactory::cache() {
    std::scoped_lock guard(m_mutex);
    if (!m_cache) {
        m_cache = std::make_shared<FileSystemApplicationCache>(QOVDatasourceFactory::sharedInstance()->datasource(),
                                                               ApplicationCachesDirectory::path());
        m_cache->setLocationSource(QOVLocationManager::sharedManager());
    }
    return m_cache;
}

void ApplicationCacheFactory::setCache(std::shared_ptr<ApplicationCache> cache) {
    std::scoped_lock guard(m_mutex);
    m_cache = std::move(cache);
}

}  // namespace qov
