#include "app/core/services/QOVSettingsService.h"

#include <fstream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/services/ApplicationGuid.h"
#include "app/core/services/QOVMetricsService.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/PropertyList.h"
#include "platform/storage/UserDefaults.h"
#include "tests/support/app/RecordingDatasource.h"
#include "tests/support/app/SettingsFixture.h"

namespace qov {
namespace {

using qovtest::SettingsFixture;

// The dictionary in the store file, or an empty one when it cannot be read.
platform::Dictionary readStore(const std::filesystem::path& file) {
    const auto bytes = platform::AtomicFile::read(file, 1 << 20);
    if (!bytes) {
        return {};
    }
    std::string problem;
    const auto root = platform::PropertyList::parseXml(*bytes, problem);
    const platform::Value value = root ? platform::PropertyList::toValue(root.get()) : platform::Value();
    return value.ifDictionary() ? *value.ifDictionary() : platform::Dictionary{};
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

class SettingsServiceTest : public SettingsFixture {};

// The defaults themselves are read back by the tests of unreadable and wrong-kind stores below.
TEST_F(SettingsServiceTest, AFreshInstallWritesNothing) {
    const auto settings = makeService();
    EXPECT_EQ(settings->eventsUntilPrompt(), -1);
    EXPECT_FALSE(settings->isRatePrompterEnabled());
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
}

TEST_F(SettingsServiceTest, PremiumAnswersIgnoreStoredValues) {
    const auto settings = makeService();
    settings->setAdsEnabled(true);
    settings->setPushAlertsEnabled(false);

    const platform::Dictionary stored = readStore(storeFile());
    EXPECT_EQ(stored.at("kSettingsAdsEnabledKey"), platform::Value(true));
    EXPECT_EQ(stored.at("kSettingsPushAlertsEnabledKey"), platform::Value(false));
    EXPECT_FALSE(settings->areAdsEnabled());
    EXPECT_TRUE(settings->arePushAlertsEnabled());
}

TEST_F(SettingsServiceTest, AValueEqualToTheAbsentReadingIsStillStored) {
    const auto settings = makeService();
    std::vector<std::string> changes;
    settings->keyValueObservers().addObserver(
        this, "adsEnabled",
        [&](const std::string& keyPath, const platform::Value& oldValue, const platform::Value& newValue) {
            changes.push_back(keyPath + " " + std::to_string(oldValue.isNull()) + " " +
                              std::to_string(newValue.boolValue()));
        });

    settings->setAdsEnabled(false);
    settings->setAdsEnabled(false);
    settings->setEventsUntilPrompt(0);
    settings->setSwaggerStatus(0);

    const platform::Dictionary stored = readStore(storeFile());
    EXPECT_EQ(stored.at("kSettingsAdsEnabledKey"), platform::Value(false));
    EXPECT_EQ(stored.at("kSettingsRatePrompterEventsUntilPromptKey"), platform::Value(0));
    EXPECT_EQ(stored.at("kSettingsSwaggerStatusKey"), platform::Value(0));
    EXPECT_EQ(changes, (std::vector<std::string>{"adsEnabled 1 0"}));
    EXPECT_EQ(settings->eventsUntilPrompt(), -1);
}

TEST_F(SettingsServiceTest, ThresholdsAreSignedAndZeroReadsAsTheDefault) {
    const auto settings = makeService();
    settings->setEventsUntilPrompt(-3);
    settings->setUsesUntilPrompt(12);
    settings->setDaysUntilPrompt(0);
    EXPECT_EQ(settings->eventsUntilPrompt(), -3);
    EXPECT_EQ(settings->usesUntilPrompt(), 12);
    EXPECT_EQ(settings->daysUntilPrompt(), 1);
    EXPECT_EQ(makeService()->eventsUntilPrompt(), -3);
}

TEST_F(SettingsServiceTest, TheUserMessageIgnoresEmptyTextAndFallsBackToTheDefault) {
    const auto settings = makeService();
    settings->setUserMessage("");
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
    settings->setUserMessage("Rate us");
    EXPECT_EQ(settings->userMessage(), "Rate us");
    settings->setUserMessage("");
    EXPECT_EQ(settings->userMessage(), "Rate us");

    writeFile(storeFile(), R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>kSettingsRatePrompterUserMessageKey</key><string></string></dict></plist>)");
    EXPECT_EQ(makeService()->userMessage(), QOVSettingsService::kDefaultUserMessage);
}

TEST_F(SettingsServiceTest, TheDeviceTokenIsStoredOnlyWhenItChanges) {
    const auto settings = makeService();
    int changes = 0;
    settings->keyValueObservers().addObserver(
        this, "apnDeviceToken", [&](const std::string&, const platform::Value&, const platform::Value&) { ++changes; });
    const platform::Data token{0x01, 0xab, 0xff};
    settings->setApnDeviceToken(token);
    settings->setApnDeviceToken(token);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(makeService()->apnDeviceToken(), token);

    settings->setApnDeviceToken(std::nullopt);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(settings->apnDeviceToken());
    EXPECT_FALSE(makeService()->apnDeviceToken());
    settings->setApnDeviceToken(std::nullopt);
    EXPECT_EQ(changes, 2);
}

TEST_F(SettingsServiceTest, TheStoreIsAnXmlPropertyListNamedAfterTheBundleInTheCachesDirectory) {
    EXPECT_EQ(QOVSettingsService::storeFileName(), "com.qovara.Qovara.settings.plist");  // where earlier ones are
    const auto settings = makeService();
    settings->setUnitOfMeasureSelection(0);
    const auto bytes = platform::AtomicFile::read(storeFile(), 1 << 20);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->starts_with("<?xml"));
    EXPECT_EQ(readStore(storeFile()).at("kUOMSelectionKey"), platform::Value(0));
    // Written through a temporary file renamed into place: nothing else is left beside it.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(cachesDirectory())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::vector<std::string>{QOVSettingsService::storeFileName()}));
}

TEST_F(SettingsServiceTest, ABinaryStoreIsReadToo) {
    platform::Dictionary settings{{"kUOMSelectionKey", platform::Value(1)}};
    const auto root = platform::PropertyList::fromValue(settings);
    writeFile(storeFile(), *platform::PropertyList::binaryBytes(root.get()));
    EXPECT_EQ(makeService()->unitOfMeasureSelection(), 1u);
}

TEST_F(SettingsServiceTest, AnUnreadableStoreStartsEmptyAndIsReplacedByTheNextChange) {
    for (const std::string& bytes :
         {std::string("not a property list"), std::string("<?xml version=\"1.0\"?><plist><array/></plist>"),
          std::string("bplist00\x01\x02", 10), std::string()}) {
        writeFile(storeFile(), bytes);
        const auto settings = makeService();
        EXPECT_EQ(settings->unitOfMeasureSelection(), 2u);
        EXPECT_TRUE(settings->globeIsHidden());
        settings->setUnitOfMeasureSelection(1);
        EXPECT_EQ(makeService()->unitOfMeasureSelection(), 1u);
    }
}

TEST_F(SettingsServiceTest, StoredValuesOfTheWrongKindOrRangeReadAsDefaults) {
    writeFile(storeFile(), R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>kUOMSelectionKey</key><integer>-4</integer>
<key>kSettingsSwaggerStatusKey</key><string>1</string>
<key>kSettingsGlobeIsHiddenKey</key><string>no</string>
<key>kSettingsRatePrompterUsesUntilPromptKey</key><date>2020-01-01T00:00:00Z</date>
<key>kSettingsLatestAppVersion</key><integer>5</integer>
<key>kAPNDeviceTokenKey</key><string>token</string>
</dict></plist>)");
    const auto settings = makeService();
    EXPECT_EQ(settings->unitOfMeasureSelection(), 2u);
    EXPECT_EQ(settings->swaggerStatus(), 0u);
    EXPECT_TRUE(settings->globeIsHidden());
    EXPECT_EQ(settings->usesUntilPrompt(), 5);
    EXPECT_FALSE(settings->latestAppVersion());
    EXPECT_FALSE(settings->apnDeviceToken());
    // A setter replaces a value of the wrong kind.
    settings->setSwaggerStatus(0);
    EXPECT_EQ(readStore(storeFile()).at("kSettingsSwaggerStatusKey"), platform::Value(0));
}

TEST_F(SettingsServiceTest, AFailedWriteIsReportedAndTheValueInMemoryStays) {
    const std::filesystem::path blocked = home() / "blocked";
    writeFile(blocked, "a file where the caches folder should be");
    const auto settings = QOVSettingsService::create(blocked / "Caches", nullptr);
    settings->setUnitOfMeasureSelection(0);
    EXPECT_EQ(settings->unitOfMeasureSelection(), 0u);
    EXPECT_FALSE(settings->writeSettingsToStore());
}

TEST_F(SettingsServiceTest, TheSocialStatusPostsItsChangeOnce) {
    const auto settings = makeService();
    settings->setSwaggerStatus(1);
    settings->setSwaggerStatus(1);
    settings->setSwaggerDefaultStatus();
    ASSERT_EQ(statusNotifications.size(), 2u);
    EXPECT_EQ(statusNotifications[0].object.object<QOVSettingsService>(), settings);
    EXPECT_EQ(statusNotifications[0].userInfo.at(QOVSettingsService::kSwaggerNotificationUpdatedStatusKey),
              platform::Value(1));
    EXPECT_EQ(statusNotifications[1].userInfo.at(QOVSettingsService::kSwaggerNotificationUpdatedStatusKey),
              platform::Value(0));
    EXPECT_EQ(settings->swaggerStatus(), 0u);
}

TEST_F(SettingsServiceTest, TheInstallIdentifierIsSharedWithMeasurement) {
    const std::string guid = QOVSettingsService::guid();
    EXPECT_EQ(platform::UserDefaults::standard()->stringForKey(ApplicationGuid::kDefaultsKey), guid);
    EXPECT_EQ(QOVMetricsService(*platform::UserDefaults::standard()).guid(), guid);
}

TEST_F(SettingsServiceTest, TheSharedInstanceIsOneServiceOverTheHomesCachesThatSwitchesMeasurement) {
    QOVMetricsService::resetSharedInstance();
    auto datasource = std::make_shared<qovtest::RecordingDatasource>();
    ApplicationCacheFactory::sharedInstance().setCache(std::make_shared<MemoryApplicationCache>(datasource));

    const auto shared = QOVSettingsService::sharedInstance();
    EXPECT_EQ(QOVSettingsService::sharedInstance(), shared);
    EXPECT_EQ(shared->pathURLWithFileName("a"), cachesDirectory() / "a");
    loop().runUntilIdle();
    EXPECT_EQ(datasource->calls.size(), 2u);

    EXPECT_FALSE(QOVMetricsService::sharedInstance()->siteStatsDisabled());
    shared->setSiteStatsDisabled(true);
    EXPECT_TRUE(QOVMetricsService::sharedInstance()->siteStatsDisabled());

    QOVSettingsService::resetSharedInstance();
    QOVMetricsService::resetSharedInstance();
    ApplicationCacheFactory::sharedInstance().setCache(nullptr);
}

TEST(SettingsVersionTest, VersionStringsBecomeTheirStatedNumbersAndCompareComponentByComponent) {
    const std::pair<std::optional<std::string>, std::uint64_t> numbers[] = {
        {"4.2.1", 421u},    {"10.0.1", 1001u}, {"5", 50u},
        {std::nullopt, 0u}, {"-4.2", 0u},      {"99999999999999999999999", 9223372036854775807u}};
    for (const auto& [text, number] : numbers) {
        EXPECT_EQ(QOVSettingsService::versionStringAsNumber(text), number) << text.value_or("none");
    }
    // {a, b, sign of the comparison}
    const std::tuple<const char*, const char*, int> comparisons[] = {
        {"10.1", "4.2", 1}, {"4.2", "4.10", -1}, {"4.2", "4.2.0", 0}, {"5", "4.9.9", 1}, {"1.2b", "1.2", 0}};
    for (const auto& [a, b, sign] : comparisons) {
        const int result = QOVSettingsService::compareVersions(a, b);
        EXPECT_EQ((result > 0) - (result < 0), sign) << a << " " << b;
    }
}

}  // namespace
}  // namespace qov
