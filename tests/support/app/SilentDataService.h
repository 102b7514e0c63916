#pragma once

#include <memory>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "tests/support/app/RecordingDatasource.h"

namespace qovtest {

// While it lives, the process's data-service client is one that sends nothing (RecordingDatasource), and the
// application cache is made afresh on first use, over that client and the home of the moment; afterwards the
// previous client is back and the cache is dropped. The client the bundle names would look up the data
// service's host name and ask it for the remote configuration as soon as the settings are first used. Tests that
// want the network install a client aimed at the stand-in service.
class SilentDataService {
public:
    SilentDataService() : m_previous(qov::QOVDatasourceFactory::sharedInstance()->datasource()) {
        qov::QOVDatasourceFactory::sharedInstance()->setDatasource(std::make_shared<RecordingDatasource>());
        qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
    }
    ~SilentDataService() {
        qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
        qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_previous);
    }
    SilentDataService(const SilentDataService&) = delete;
    SilentDataService& operator=(const SilentDataService&) = delete;

private:
    std::shared_ptr<qov::QOVDatasouce> m_previous;
};

}  // namespace qovtest
