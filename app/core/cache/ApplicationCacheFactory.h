#pragma once

#include <memory>
#include <mutex>

#include "platform/base/ProcessInstance.h"

namespace qov {

class ApplicationCache;

// Holds the one application cache of the process: a FileSystemApplicationCache over the caches directory
// (platform::AppDirectories::shared()) and the data source of QOVDatasourceFactory, made on first use, with
// QOVLocationManager::sharedManager() as its source of the current location and the favourites.
class ApplicationCacheFactory {
public:
    static ApplicationCacheFactory& sharedInstance();

    std::shared_ptr<ApplicationCache> cache();
    // Tests and the runner: install a cache of their own; nullptr makes the next cache() build a fresh one.
    void setCache(std::shared_ptr<ApplicationCache> cache);

private:
    friend class platform::NeverDestroyed<ApplicationCacheFactory>;
    ApplicationCacheFactory() = default;

    std::mutex m_mutex;
    std::shared_ptr<ApplicationCache> m_cache;
};

}  // namespace qov
