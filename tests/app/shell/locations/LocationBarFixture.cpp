#include "tests/app/shell/locations/LocationBarFixture.h"

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/PopupRegistry.h"
#include "tests/support/PumpUntil.h"

namespace qovtest {

void LocationBarFixture::SetUp() {
    qovsim::SimServer::Options options;
    options.clock = clock();
    m_sim = std::make_unique<qovsim::SimServer>(options);
    ASSERT_TRUE(m_sim->start());
    master = launchToRootScreen();
    ASSERT_TRUE(master);
    m_client = std::make_shared<qov::DS2JSONDatasource>();
    m_client->setDataServiceHosts(m_sim->baseUrl().substr(std::string("http://").size()), "127.0.0.1:1");
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_client);
    qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(m_client);
    bar = std::dynamic_pointer_cast<qov::LocationSearchBar>(master->locationBar());
    ASSERT_TRUE(bar);
}

void LocationBarFixture::TearDown() {
    platform::ui::PopupRegistry::shared().removeAll();
    m_client->queue().cancelAllOperations();
    m_sim->stop();
}

bool LocationBarFixture::waitUntilIdle() {
    return pumpUntil([this] { return m_client->queue().operationCount() == 0; });
}

void LocationBarFixture::type(const std::string& characters) { bar->m_locSearchBar->typeText(characters); }

std::shared_ptr<platform::ui::AlertView> LocationBarFixture::frontAlert() {
    return std::dynamic_pointer_cast<platform::ui::AlertView>(platform::ui::PopupRegistry::shared().top());
}

std::string LocationBarFixture::currentKey() {
    const auto current = qov::QOVLocationManager::sharedManager()->currentLocation();
    return current ? current->key().value_or("") : "";
}

int LocationBarFixture::typeAheadRequestCount() {
    int count = 0;
    for (const auto& request : m_sim->requestLog()) {
        count += request.path.starts_with("/wxdata/ta/") ? 1 : 0;
    }
    return count;
}

}  // namespace qovtest
