#include "app/core/model/QOVLocation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/LocaleSource.h"
#include "tests/support/TempHome.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using platform::Date;
using qovtest::kFixtureTime;

class QOVLocationTest : public qovtest::FactoryTest {
protected:
    static std::shared_ptr<QOVSunriseSunset> sunAt(double sunrise) {
        auto entry = std::make_shared<QOVSunriseSunset>();
        entry->setSunrise(Date{sunrise});
        entry->setSunset(Date{sunrise + 36000});
        return entry;
    }
};

// Every section and the beach and boat forecast are filled, so this covers the round trip of every class in them.
TEST_F(QOVLocationTest, FullRecordSurvivesArchivingExceptPollenUnderTheRecordKeys) {
    auto location = factory().modelUsingJSON(qovtest::readModelFixture("aggregate_us_full.json"));
    ASSERT_TRUE(location);
    location->setBeachAndBoatForecast(factory().beachAndBoatForecastFromJSON(qovtest::readModelFixture("marine.json")));
    location->setNickName("Home town");
    location->setTwitterPlaceId("tw1");
    ASSERT_TRUE(location->pollenData());
    EXPECT_EQ(qovtest::archiveKeys(*location),
              qovtest::keys("$class type key name creationDate obsId parentLocationId forecastId nickName city state "
                            "postalCode country countryCode dma region4 region9 hasMarineData twitterPlaceId "
                            "coordinate_latitude coordinate_longitude elevation timeZoneOffset timeZone "
                            "currentConditions narrativeForecasts hiRadHourlyForecasts sunriseSunsets hourlyForecasts "
                            "dailyForecasts beachBoatForecast severeWxAlerts"));

    clock()->advance(100);
    const auto copy = qovtest::faithfulRoundTrip(*location);
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->pollenData());
    EXPECT_DOUBLE_EQ(copy->age(), 100.0);
    EXPECT_EQ(copy->beachAndBoatForecast()->tideArray()->size(), 3U);
    EXPECT_EQ(copy->severeWeatherAlerts()->at(2)->headline(), "Dense Fog Advisory");
}

TEST_F(QOVLocationTest, ArchiveWithoutListKeysReadsBackWithoutLists) {
    QOVLocation location;
    location.setHourlyForecasts(std::nullopt);
    location.setSevereWeatherAlerts(std::nullopt);
    const auto copy = qovtest::archiveRoundTrip(location);
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->hourlyForecasts().has_value());
    EXPECT_FALSE(copy->severeWeatherAlerts().has_value());
    EXPECT_TRUE(copy->dailyForecasts().has_value());
}

// Archives written by libplist (every file written before our own codec) read back the same; a summary of a file
// holds only the identity and the creation date, and only of a location.
TEST_F(QOVLocationTest, LibplistArchivesReadTheSameAndSummariesHoldIdentityAndAge) {
    auto location = factory().modelUsingJSON(qovtest::readModelFixture("aggregate_us_full.json"));
    ASSERT_TRUE(location);
    location->setUserNickname("Home town");
    const platform::Data written = qovtest::binaryArchiveOf(qovtest::archiveDictionary(*location));
    const auto copy = platform::KeyedUnarchiver::unarchiveObjectOfClass<QOVLocation>(written);
    ASSERT_TRUE(copy);
    EXPECT_EQ(qovtest::archiveDictionary(*copy), qovtest::archiveDictionary(*location));

    qovtest::TempHome home;
    const auto file = home.path() / "USGA0028:1.LocationCache";
    ASSERT_TRUE(platform::AtomicFile::write(file, std::string(written.begin(), written.end())));
    advance(400);
    const auto summary = QOVLocation::unarchiveSummaryFromFile(file);
    ASSERT_TRUE(summary);
    EXPECT_TRUE(summary->isEqualToLocation(*location));
    EXPECT_EQ(summary->userNickname(), location->userNickname());
    EXPECT_EQ(summary->creationDate(), location->creationDate());
    EXPECT_TRUE(summary->isStale());
    EXPECT_TRUE(summary->hourlyForecasts()->empty());
    EXPECT_EQ(summary->name(), "");

    ASSERT_TRUE(
        platform::KeyedArchiver::archiveRootObject(QOVLocationIdentity(location->type(), location->key()), file));
    EXPECT_EQ(QOVLocation::unarchiveSummaryFromFile(file), nullptr);
}

TEST_F(QOVLocationTest, EmptyCityIsStoredAsTheName) {
    QOVLocation location;
    location.setName("London");
    const auto copy = qovtest::archiveRoundTrip(location);
    ASSERT_TRUE(copy);
    copy->setName("Other");
    EXPECT_EQ(copy->city(), "London");
}

TEST_F(QOVLocationTest, DisplayName) {
    QOVLocation location;
    location.setCity("Atlanta");
    location.setState("GA");
    location.setPostalCode("30303");
    location.setCountry("United States");
    location.setCountryCode("US");
    location.setType(1);
    EXPECT_EQ(location.displayName(), "Atlanta, GA");
    location.setType(4);
    EXPECT_EQ(location.displayName(), "Atlanta, GA (30303)");
    location.setCountryCode("CA");
    location.setCountry("Canada");
    location.setCity("Toronto");
    EXPECT_EQ(location.displayName(), "Toronto, Canada");
    location.setNickName("Cottage");
    EXPECT_EQ(location.displayName(), "Cottage");
}

TEST_F(QOVLocationTest, VideoSupportDependsOnTheDeviceLocaleAndTheCountry) {
    QOVLocation location;
    const auto supported = [&](const char* locale, const char* language, const char* country) {
        platform::LocaleSource::setOverride(locale, {language});
        location.setCountryCode(country);
        return location.isVideoSupported();
    };
    EXPECT_TRUE(supported("en_GB", "en", "CA"));
    EXPECT_FALSE(supported("en_GB", "en", "US"));
    EXPECT_TRUE(supported("es_US", "es", "DE"));
    EXPECT_TRUE(supported("fr_FR", "fr", "FR"));
    EXPECT_FALSE(supported("fr_FR", "fr", "CA"));
    EXPECT_FALSE(supported("de_DE", "de", "DE"));
    platform::LocaleSource::clearOverride();
}

TEST_F(QOVLocationTest, StaleAndInvalidBoundaries) {
    QOVLocation location;
    clock()->advance(299.9);
    EXPECT_FALSE(location.isStale());
    clock()->advance(0.1);
    EXPECT_TRUE(location.isStale());
    clock()->set(Date{kFixtureTime + 3599.9});
    EXPECT_FALSE(location.isInvalid());
    clock()->set(Date{kFixtureTime + 3600});
    EXPECT_TRUE(location.isInvalid());
    EXPECT_FLOAT_EQ(location.confidence(), 0.25F);
}

TEST_F(QOVLocationTest, AfternoonAndEveningFollowTheLocalHourAndUtcForUnknownZones) {
    // {zone, UTC time, afternoon, evening}; 2027-01-15 17:00 UTC is 12:00 in New York.
    const std::tuple<std::optional<std::string>, double, bool, bool> cases[] = {
        {"America/New_York", kFixtureTime + 9 * 3600, true, false},
        {"America/New_York", kFixtureTime + 11 * 3600, true, true},
        {std::nullopt, kFixtureTime + 4 * 3600, true, false},
        {"Mars/Olympus_Mons", kFixtureTime + 4 * 3600, true, false},
        {"Mars/Olympus_Mons", kFixtureTime + 9 * 3600, true, true}};
    for (const auto& [zone, time, afternoon, evening] : cases) {
        SCOPED_TRACE(zone.value_or("none") + " " + std::to_string(time));
        QOVLocation location;
        location.setTimeZone(zone);
        clock()->set(Date{time});
        EXPECT_EQ(location.isAfternoon(), afternoon);
        EXPECT_EQ(location.isEvening(), evening);
    }
}

TEST_F(QOVLocationTest, SunriseSunsetMatchesMonthAndDayInLocalTimeIgnoringTheYear) {
    QOVLocation location;
    location.setTimeZone("America/New_York");
    EXPECT_FALSE(location.sunriseSunsetForToday());
    // Sunrises on 2026-01-14 and 2026-01-15 local time (a year before the clock).
    const double oneYear = 365 * 86400.0;
    auto earlier = sunAt(kFixtureTime - oneYear - 86400 + 4 * 3600);
    auto matching = sunAt(kFixtureTime - oneYear + 4 * 3600);
    location.setSunriseSunsets(QOVLocation::SunriseSunsetList{earlier, matching});
    EXPECT_EQ(location.sunriseSunsetForToday(), matching);
    // 2027-01-16 03:00 UTC is still the 15th in New York, but the 16th in UTC.
    EXPECT_EQ(location.sunriseSunsetForDate(Date{kFixtureTime + 19 * 3600}), matching);
    location.setTimeZone(std::nullopt);
    EXPECT_FALSE(location.sunriseSunsetForDate(Date{kFixtureTime + 19 * 3600}));
}

}  // namespace
}  // namespace qov
