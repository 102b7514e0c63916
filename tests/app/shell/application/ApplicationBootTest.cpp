#include <string>

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/shell/root/RootScreenState.h"
#include "platform/storage/LocaleSource.h"
#include "platform/ui/ScreenDump.h"
#include "sim/SimServer.h"
#include "tests/app/shell/ApplicationWorld.h"
#include "tests/support/PumpUntil.h"

namespace {

// The application against the stand-in service over loopback, from launch to the root screen with the current
// location's weather.
class ApplicationBootTest : public qovtest::ApplicationWorld {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.start());
        const auto host = "127.0.0.1:" + std::to_string(sim.port());
        client->setDataServiceHosts(host, host);
        previousClient = qov::QOVDatasourceFactory::sharedInstance()->datasource();
        qov::QOVDatasourceFactory::sharedInstance()->setDatasource(client);
        qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(client);
        platform::LocaleSource::setOverride("en_US", {"en"});
    }
    void TearDown() override {
        client->cancelAllRequests();
        qov::QOVDatasourceFactory::sharedInstance()->setDatasource(previousClient);
        platform::LocaleSource::clearOverride();
        sim.stop();
    }

    qovsim::SimServer sim;
    std::shared_ptr<qov::DS2JSONDatasource> client = std::make_shared<qov::DS2JSONDatasource>();
    std::shared_ptr<qov::QOVDatasouce> previousClient;
};

TEST_F(ApplicationBootTest, RootScreenShowsTheWeatherTabAndTheUsTabsOnceTheWeatherArrives) {
    const auto master = launchToRootScreen();
    ASSERT_NE(master, nullptr);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return master->currentCountryCode() == "US"; }, 10.0));
    EXPECT_EQ(qov::RootScreenState::shownTabName(), "weather");

    const auto dump = platform::ui::ScreenDump::dumpScreen();
    for (const char* expected : {"\"Weather\"", "\"Maps\"", "\"Severe\""}) {
        EXPECT_NE(dump.find(expected), std::string::npos) << expected << " in\n" << dump;
    }
    EXPECT_EQ(dump.find("Re-directing"), std::string::npos) << dump;
}

}  // namespace
