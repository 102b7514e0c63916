#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/services/QOVSettingsService.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/LocaleSource.h"
#include "sim/SimServer.h"
#include "tests/support/PumpUntil.h"
#include "tests/support/app/SettingsFixture.h"

namespace qov {
namespace {

// The settings follow the configurations that the data-service client fetches from the stand-in service over
// loopback HTTP into a file-system cache in the test home.
class SettingsConfigurationOverHttpTest : public qovtest::SettingsFixture {
protected:
    SettingsConfigurationOverHttpTest() {
        platform::LocaleSource::setOverride("en_US", {"en"});
        client->setDataServiceHosts(sim.baseUrl().substr(std::string("http://").size()), "127.0.0.1:1");
        client->setCacheProvider([this]() -> std::shared_ptr<ApplicationCache> { return cache; });
    }
    ~SettingsConfigurationOverHttpTest() override {
        platform::LocaleSource::clearOverride();
        sim.stop();
    }

    std::size_t configurationRequests() const {
        std::size_t count = 0;
        for (const auto& request : sim.requestLog()) {
            count += request.path.starts_with("/wxdata/mobile/configuration/") ? 1 : 0;
        }
        return count;
    }

    qovsim::SimServer sim;
    const bool started = sim.start();
    std::shared_ptr<DS2JSONDatasource> client = std::make_shared<DS2JSONDatasource>();
    std::shared_ptr<FileSystemApplicationCache> cache =
        std::make_shared<FileSystemApplicationCache>(client, cachesDirectory());
};

TEST_F(SettingsConfigurationOverHttpTest, BothServedConfigurationsReachTheSettings) {
    ASSERT_TRUE(started);
    const auto settings = makeService(cache);
    const std::string bundleVersion =
        platform::Bundle::main().objectForInfoDictionaryKey("CFBundleShortVersionString").stringValue();
    ASSERT_TRUE(
        qovtest::pumpUntil([&] { return settings->latestAppVersion().has_value() && !statusNotifications.empty(); }));

    EXPECT_EQ(configurationRequests(), 2u);
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusOn);
    EXPECT_EQ(statusNotifications.size(), 1u);
    EXPECT_EQ(settings->latestAppVersion(), bundleVersion);
    EXPECT_EQ(QOVSettingsService::compareVersions(bundleVersion, *settings->latestAppVersion()), 0);
    EXPECT_TRUE(settings->isRatePrompterEnabled());
    EXPECT_EQ(settings->eventsUntilPrompt(), 5);

    // A restart (a new cache over the same folder) within the times to live is answered from the cache's files,
    // without asking the service.
    cache = std::make_shared<FileSystemApplicationCache>(client, cachesDirectory());
    const auto restarted = makeService(cache);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return restarted->latestAppVersion().has_value(); }));
    EXPECT_EQ(configurationRequests(), 2u);
}

TEST_F(SettingsConfigurationOverHttpTest, TheServedKillSwitchesTurnTheSocialFeatureOff) {
    ASSERT_TRUE(started);
    qovsim::SimRequest killAll;
    killAll.method = "POST";
    killAll.path = "/admin/configuration";
    killAll.query = {{"killall", "true"}, {"killcompose", "true"}};
    ASSERT_EQ(sim.respond(killAll).status, 200);

    const auto settings = makeService(cache);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return !statusNotifications.empty(); }));
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusAllOff);
}

}  // namespace
}  // namespace qov
