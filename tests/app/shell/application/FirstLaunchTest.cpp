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
#include "tests/app/shell/ApplicationWorld.h"
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

class FirstLaunchTest : public qovtest::ApplicationWorld {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_sim.start());
        const auto host = "127.0.0.1:" + std::to_string(m_sim.port());
        m_client->setDataServiceHosts(host, host);
        m_previousClient = qov::QOVDatasourceFactory::sharedInstance()->datasource();
        qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_client);
        qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(m_client);
        auto tiles = qov::QOVTileServerDatasource::create();
        tiles->setTileServerHosts(m_sim.baseUrl(), m_sim.baseUrl());
        qov::QOVMapCache::setSharedInstance(qov::QOVMapCache::create(qov::ApplicationCachesDirectory::path(), tiles));
        platform::LocaleSource::setOverride("en_US", {"en"});
    }
    void TearDown() override {
        m_client->cancelAllRequests();
        qov::QOVDatasourceFactory::sharedInstance()->setDatasource(m_previousClient);
        platform::LocaleSource::clearOverride();
        m_sim.stop();
    }

    bool run(const std::string& line) {
        std::ostringstream output;
        platform::ui::ScreenScript script(output);
        script.execute(line);
        return script.failures() == 0;
    }

private:
    qovsim::SimServer m_sim;
    std::shared_ptr<qov::DS2JSONDatasource> m_client = std::make_shared<qov::DS2JSONDatasource>();
    std::shared_ptr<qov::QOVDatasouce> m_previousClient;
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
    const bool terms = RootScreenState::isTermsScreenShown() && run("tap Accept");
    const bool root = qovtest::pumpUntil([&] { return rootScreen() && rootScreen()->currentCountryCode() == "US"; });
    advance(12.0);  // the push alerts' notice comes ten seconds after a first launch
    const bool notice = run("tap OK");
    platform::Log::flush();
    const std::string log = testing::internal::GetCapturedStderr();
    platform::Log::removeConsoleLogger();

    EXPECT_TRUE(terms);
    EXPECT_TRUE(root);
    EXPECT_TRUE(notice);
    EXPECT_EQ(errorLines(log), std::vector<std::string>{}) << log;
}

}  // namespace
