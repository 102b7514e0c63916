#include "tests/app/shell/StandInWorld.h"

#include <sstream>

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/services/ApplicationCachesDirectory.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/datasource/QOVTileServerDatasource.h"
#include "platform/storage/LocaleSource.h"
#include "platform/ui/ScreenScript.h"

namespace qovtest {

void StandInWorld::SetUp() {
    ASSERT_TRUE(m_sim.start());
    const auto host = "127.0.0.1:" + std::to_string(m_sim.port());
    m_client->setDataServiceHosts(host, host);
    m_previousClient = qov::QOVDatasourceFactory::sharedInstance()->datasource();
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_client);
    qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(m_client);
    platform::LocaleSource::setOverride("en_US", {"en"});
}

void StandInWorld::TearDown() {
    m_client->cancelAllRequests();
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_previousClient);
    platform::LocaleSource::clearOverride();
    m_sim.stop();
}

void StandInWorld::useStandInTiles() {
    auto tiles = qov::QOVTileServerDatasource::create();
    tiles->setTileServerHosts(m_sim.baseUrl(), m_sim.baseUrl());
    qov::QOVMapCache::setSharedInstance(qov::QOVMapCache::create(qov::ApplicationCachesDirectory::path(), tiles));
}

bool StandInWorld::runScriptLine(const std::string& line) {
    std::ostringstream output;
    platform::ui::ScreenScript script(output);
    script.execute(line);
    return script.failures() == 0;
}

}  // namespace qovtest
