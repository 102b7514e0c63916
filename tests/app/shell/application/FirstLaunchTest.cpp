// The first launch on a home that holds nothing yet, as a person goes through it: the splash, the terms, the root
// screen with the current location's weather and the push alerts' notice. Nothing in it is an error: a file that
// is not there yet is what a first launch expects.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/services/ApplicationCachesDirectory.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/datasource/QOVTileServerDatasource.h"
#include "app/shell/root/RootScreenState.h"
#include "platform/base/Log.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/LocaleSource.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenScript.h"
#include "sim/SimServer.h"
#include "tests/app/shell/StandInWorld.h"
#include "tests/support/PumpUntil.h"

namespace {

using qov::RootScreenState;

// The lines of the console log whose level is error or critical.
std::vector<std::string> errorLines(const std::string& log) {
    std::vector<std::string> errors;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        // "DATE TIME LEVEL MESSAGE"
        std::istringstream words(line);
        std::string date, time, level;
        words >> date >> time >> level;
        if (level.find("error") != std::string::npos || level.find("critical") != std::string::npos) {
            errors.push_back(line);
        }
    }
    return errors;
}

class FirstLaunchTest : public qovtest::StandInWorld {
protected:
    void SetUp() override {
        StandInWorld::SetUp();
        useStandInTiles();
    }
};

TEST_F(FirstLaunchTest, LogsNoError) {
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(platform::AppDirectories::shared()->home())) {
        ASSERT_TRUE(entry.is_directory()) << entry.path() << ": the home holds no file yet";
    }
    testing::internal::CaptureStderr();
    // The application's launch attaches the console log, as on the device.
    platform::ui::Application::shared().launch(qov::QOVAppDelegate::kMainInterfaceFile);
    passSplash();
    const bool terms = RootScreenState::isTermsScreenShown() && runScriptLine("tap Accept");
    const bool root = qovtest::pumpUntil([&] { return rootScreen() && rootScreen()->currentCountryCode() == "US"; });
    advance(12.0);  // the push alerts' notice comes ten seconds after a first launch
    const bool notice = runScriptLine("tap OK");
    platform::Log::flush();
    const std::string log = testing::internal::GetCapturedStderr();
    platform::Log::removeConsoleLogger();

    EXPECT_TRUE(terms);
    EXPECT_TRUE(root);
    EXPECT_TRUE(notice);
    EXPECT_EQ(errorLines(log), std::vector<std::string>{}) << log;
}

}  // namespace
