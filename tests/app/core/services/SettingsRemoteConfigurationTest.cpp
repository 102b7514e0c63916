#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/services/QOVSettingsService.h"
#include "tests/support/app/ModelTestSupport.h"
#include "tests/support/app/RecordingDatasource.h"
#include "tests/support/app/SettingsFixture.h"

namespace qov {
namespace {

std::shared_ptr<QOVMobileAppConfig> common(bool killall, bool killcompose) {
    auto config = std::make_shared<QOVMobileAppConfig>("common", 900.0);
    config->addConfiguration(
        platform::Dictionary{{"killall", killall ? "true" : "false"}, {"killcompose", killcompose}}, "swagger");
    return config;
}

class SettingsRemoteConfigurationTest : public qovtest::SettingsFixture {
protected:
    static std::shared_ptr<QOVMobileAppConfig> fixture(const std::string& name, const std::string& applicationId) {
        auto config = QOVModelFactory::sharedInstance()->configurationUsingJSON(qovtest::readModelFixture(name),
                                                                                applicationId, 1800.0);
        EXPECT_TRUE(config) << name;
        return config;
    }

    std::vector<std::uint64_t> postedStatuses() const {
        std::vector<std::uint64_t> statuses;
        for (const auto& notification : statusNotifications) {
            statuses.push_back(static_cast<std::uint64_t>(
                notification.userInfo.at(QOVSettingsService::kSwaggerNotificationUpdatedStatusKey).integerValue()));
        }
        return statuses;
    }

    std::shared_ptr<QOVSettingsService> settings = makeService();
};

TEST_F(SettingsRemoteConfigurationTest, TheCommonKillSwitchesSetTheSocialStatus) {
    settings->configurationChanged(common(true, true));
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusAllOff);
    settings->configurationChanged(common(false, true));
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusComposeOff);
    settings->configurationChanged(common(true, false));
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusAllOff);
    settings->configurationChanged(common(false, false));
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusOn);
    EXPECT_EQ(postedStatuses(), (std::vector<std::uint64_t>{1, 2, 1, 0}));
}

TEST_F(SettingsRemoteConfigurationTest, TheSameStatusTwicePostsOnceAndIsStored) {
    const auto config = fixture("configuration-common.json", "common");
    settings->configurationChanged(config);
    settings->configurationChanged(config);
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusComposeOff);
    EXPECT_EQ(postedStatuses(), (std::vector<std::uint64_t>{2}));
    EXPECT_EQ(makeService()->swaggerStatus(), QOVSettingsService::kSwaggerStatusComposeOff);
}

TEST_F(SettingsRemoteConfigurationTest, TheApplicationConfigurationSetsEveryRemoteValue) {
    settings->configurationChanged(fixture("configuration-app.json", "qovara-iphone"));
    EXPECT_EQ(settings->latestIosVersion(), "5.1");
    EXPECT_EQ(settings->inseasonIcon(), "http://inseason.example.com/icon.png");
    EXPECT_TRUE(settings->isTombstoneAdRefreshActive());
    EXPECT_TRUE(settings->isRatePrompterEnabled());
    EXPECT_EQ(settings->eventsUntilPrompt(), 2);
    EXPECT_TRUE(statusNotifications.empty());

    // Kept in the store.
    const auto restarted = makeService();
    EXPECT_EQ(restarted->latestAppVersion(), "4.2.1");
    EXPECT_EQ(restarted->usesUntilPrompt(), 10);
}

TEST_F(SettingsRemoteConfigurationTest, AbsentValuesKeepTheTextsAndResetTheSwitchesAndThresholds) {
    settings->configurationChanged(fixture("configuration-app.json", "qovara-iphone"));
    auto sparse = std::make_shared<QOVMobileAppConfig>("qovara-iphone", 1800.0);
    sparse->addConfiguration(platform::Dictionary{{"killall", "true"}}, "siteStats");
    settings->configurationChanged(sparse);
    EXPECT_TRUE(settings->siteStatsDisabled());
    EXPECT_EQ(settings->latestAppVersion(), "4.2.1");
    EXPECT_EQ(settings->inseasonURL(), "http://inseason.example.com/tab");
    EXPECT_EQ(settings->userMessage(), "Enjoying the forecast? Rate us!");
    EXPECT_FALSE(settings->isRatePrompterEnabled());
    EXPECT_FALSE(settings->isTombstoneAdRefreshActive());
    EXPECT_EQ(settings->usesUntilPrompt(), 5);
}

TEST_F(SettingsRemoteConfigurationTest, OtherConfigurationsChangeNothing) {
    auto other = std::make_shared<QOVMobileAppConfig>("someone-else", 1800.0);
    other->addConfiguration(platform::Dictionary{{"killall", "true"}}, "swagger");
    other->addConfiguration(platform::Dictionary{{"killall", "true"}}, "siteStats");
    settings->configurationChanged(other);
    settings->configurationChanged(std::make_shared<QOVMobileAppConfig>("", 1800.0));
    settings->configurationChanged(nullptr);
    EXPECT_FALSE(settings->siteStatsDisabled());
    EXPECT_EQ(settings->swaggerStatus(), 0u);
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
}

TEST_F(SettingsRemoteConfigurationTest, WrongKindsInTheConfigurationReadAsAbsent) {
    auto config = std::make_shared<QOVMobileAppConfig>("qovara-iphone", 1800.0);
    config->addConfiguration(platform::Array{platform::Value("5.0")}, "latest");
    config->addConfiguration(
        platform::Dictionary{
            {"userMessage", platform::Array{}}, {"daysUntilPrompt", platform::Dictionary{}}, {"usesUntilPrompt", "-2"}},
        "diag");
    settings->configurationChanged(config);
    EXPECT_FALSE(settings->latestAppVersion());
    EXPECT_EQ(settings->userMessage(), QOVSettingsService::kDefaultUserMessage);
    EXPECT_EQ(settings->daysUntilPrompt(), 1);
    EXPECT_EQ(settings->usesUntilPrompt(), -2);
}

// The service registers with the cache for both configurations and hears what the cache stores.
class SettingsCacheListeningTest : public qovtest::SettingsFixture {
protected:
    std::shared_ptr<qovtest::RecordingDatasource> datasource = std::make_shared<qovtest::RecordingDatasource>();
    std::shared_ptr<MemoryApplicationCache> cache = std::make_shared<MemoryApplicationCache>(datasource);
};

TEST_F(SettingsCacheListeningTest, BothConfigurationsAreRequestedWithTheirTimesToLive) {
    const auto settings = makeService(cache);
    loop().runUntilIdle();
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"requestConfiguration common 900", "requestConfiguration qovara-iphone 1800"}));

    cache->storeConfiguration(common(true, false));
    loop().runUntilIdle();
    EXPECT_EQ(settings->swaggerStatus(), QOVSettingsService::kSwaggerStatusAllOff);
    EXPECT_EQ(statusNotifications.size(), 1u);
}

TEST_F(SettingsCacheListeningTest, ResetSettingsListensAgainAndIsAnsweredFromTheCache) {
    const auto settings = makeService(cache);
    loop().runUntilIdle();
    auto app = std::make_shared<QOVMobileAppConfig>("qovara-iphone", 1800.0);
    app->addConfiguration(platform::Dictionary{{"app", "9.9"}}, "latest");
    cache->storeConfiguration(app);
    loop().runUntilIdle();
    ASSERT_EQ(settings->latestAppVersion(), "9.9");

    settings->setLatestAppVersion("1.0");
    settings->resetSettings();
    loop().runUntilIdle();
    EXPECT_EQ(settings->latestAppVersion(), "9.9");
}

TEST_F(SettingsCacheListeningTest, AServiceGoneStopsListening) {
    makeService(cache);
    loop().runUntilIdle();
    cache->storeConfiguration(common(true, false));
    loop().runUntilIdle();
    EXPECT_TRUE(statusNotifications.empty());
}

}  // namespace
}  // namespace qov
