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
#include "tests/app/shell/StandInWorld.h"
#include "tests/support/PumpUntil.h"

namespace {

// The application against the stand-in service over loopback, from launch to the root screen with the current
// location's weather.
class ApplicationBootTest : public qovtest::StandInWorld {
protected:
    void SetUp() override { StandInWorld::SetUp(); }
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
