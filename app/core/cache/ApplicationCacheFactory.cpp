#include "app/core/cache/ApplicationCacheFactory.h"

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/services/ApplicationCachesDirectory.h"
#include "platform/base/ProcessInstance.h"

namespace qov {

ApplicationCacheFactory& ApplicationCacheFactory::sharedInstance() {
    static platform::NeverDestroyed<ApplicationCacheFactory> instance;
    return *instance;
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
