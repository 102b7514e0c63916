#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/CSAudienceMeter.h"
#include "app/neighbours/CSCensus.h"
#include "app/shell/rating/RatePrompter.h"
#include "app/shell/root/RootScreenState.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"
#include "tests/app/shell/ApplicationWorld.h"
#include "tests/support/PumpUntil.h"

namespace {

using qov::QOVAppDelegate;

class QOVAppDelegateLaunchTest : public qovtest::ApplicationWorld {
protected:
    std::shared_ptr<platform::UserDefaults> defaults() const { return platform::UserDefaults::standard(); }
    std::string bundleVersion() const {
        return platform::Bundle::main().objectForInfoDictionaryKey("CFBundleShortVersionString").stringValue();
    }
};

struct VersionCase {
    const char* name;
    std::optional<std::string> storedVersion;  // "=" stands for the bundle's own version
    bool oldLocationList;
    int launchEvent;  // the launch kind's event
    bool upgraded;
};

class LaunchKindTest : public QOVAppDelegateLaunchTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(LaunchKindTest, RecordsTheLaunchAndUpgradesOrInstallsTheDefaultLocation) {
    const auto& given = GetParam();
    if (given.storedVersion) {
        defaults()->setString(*given.storedVersion == "=" ? bundleVersion() : *given.storedVersion,
                              QOVAppDelegate::kLastVersionRanKey);
    }
    if (given.oldLocationList) {
        defaults()->setObject(platform::Array{}, QOVAppDelegate::kOldLocationListKey);
    }
    const auto delegate = launch();

    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->applicationUpgraded(), given.upgraded);
    const auto hits = qov::QOVMetricsService::sharedInstance()->hits();
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(hits.front().events, "event" + std::to_string(given.launchEvent));
    // Every path ends with a current location: the default one on a fresh home.
    const auto manager = qov::QOVLocationManager::sharedManager();
    ASSERT_NE(manager->currentLocation(), nullptr);
    EXPECT_EQ(manager->currentLocation()->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(manager->favoriteLocations().size(), 1u);
    // The upgrade records the new version at once; other runs leave it to resigning active.
    EXPECT_EQ(defaults()->stringForKey(QOVAppDelegate::kLastVersionRanKey) == bundleVersion(),
              given.upgraded || given.storedVersion == "=");
    EXPECT_TRUE(qov::RootScreenState::isSplashShown());
    EXPECT_TRUE(delegate->window()->isKeyWindow());
}

INSTANTIATE_TEST_SUITE_P(Versions, LaunchKindTest,
                         ::testing::Values(VersionCase{"FirstRun", std::nullopt, false, 1, false},
                                           VersionCase{"Upgrade", std::string("0.0.9"), false, 4, true},
                                           VersionCase{"OldReleaseData", std::nullopt, true, 1, true},
                                           VersionCase{"Ordinary", std::string("="), false, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QOVAppDelegateLaunchTest, UpgradeKeepsAValidCurrentLocationAndItsFavourites) {
    const auto manager = qov::QOVLocationManager::sharedManager();
    manager->setCurrentLocation(std::make_shared<qov::QOVLocationIdentity>(1, "GBXX0025"));
    defaults()->setString("0.0.9", QOVAppDelegate::kLastVersionRanKey);
    launch();
    EXPECT_EQ(manager->currentLocation()->identifierAsString(), "GBXX0025:1");
    EXPECT_TRUE(manager->favoriteLocations().empty());
}

TEST_F(QOVAppDelegateLaunchTest, StartsMeasurementPushAndTheRatingPrompterWhenEnabled) {
    const auto settings = qov::QOVSettingsService::sharedInstance();
    settings->setPushAlertsEnabled(true);
    settings->setRatePrompterEnabled(true);
    launch();
    EXPECT_EQ(platform::ui::Application::shared().registeredNotificationTypes(),
              QOVAppDelegate::kRemoteNotificationTypes);
    EXPECT_TRUE(qovtest::pumpUntil([this] { return defaults()->integerForKey(qov::RatePrompter::kUseCountKey) == 1; }));
    EXPECT_TRUE(qovtest::pumpUntil([] { return !qov::CSAudienceMeter::census().customerId().empty(); }));
}

TEST_F(QOVAppDelegateLaunchTest, ResigningActiveRecordsTheVersionOnlyAfterAFirstOrUpgradedRun) {
    launch();
    platform::ui::Application::shared().resignActive();
    EXPECT_EQ(defaults()->stringForKey(QOVAppDelegate::kLastVersionRanKey), bundleVersion());

    relaunchApplicationObject();
    defaults()->setString(bundleVersion(), QOVAppDelegate::kLastVersionRanKey);
    launch();
    defaults()->setString("kept", QOVAppDelegate::kLastVersionRanKey);
    platform::ui::Application::shared().resignActive();
    EXPECT_EQ(defaults()->stringForKey(QOVAppDelegate::kLastVersionRanKey), "kept");
}

}  // namespace
