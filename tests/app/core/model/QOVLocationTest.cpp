#include "app/core/model/QOVLocation.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVNarrativeForecast.h"
#include "app/core/model/QOVPollenInformation.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "app/core/model/QOVTide.h"
#include "platform/storage/LocaleSource.h"
#include "tests/app/core/model/ModelTestSupport.h"

namespace qov {
namespace {

using platform::Date;
using qovtest::kFixtureTime;

class QOVLocationTest : public qovtest::ManualClockTest {
protected:
    static std::shared_ptr<QOVSunriseSunset> sunAt(double sunrise) {
        auto entry = std::make_shared<QOVSunriseSunset>();
        entry->setSunrise(Date{sunrise});
        entry->setSunset(Date{sunrise + 36000});
        return entry;
    }
};

TEST_F(QOVLocationTest, NewRecordHasEmptyListsAndNoSections) {
    QOVLocation location;
    ASSERT_TRUE(location.hourlyForecasts().has_value());
    EXPECT_TRUE(location.hourlyForecasts()->empty());
    EXPECT_TRUE(location.hiRadHourlyForecasts().has_value());
    EXPECT_TRUE(location.narrativeForecasts().has_value());
    EXPECT_TRUE(location.sunriseSunsets().has_value());
    EXPECT_TRUE(location.dailyForecasts().has_value());
    EXPECT_TRUE(location.severeWeatherAlerts().has_value());
    EXPECT_FALSE(location.currentConditions());
    EXPECT_FALSE(location.beachAndBoatForecast());
    EXPECT_FALSE(location.pollenData());
    EXPECT_FALSE(location.loadMarineData());
    EXPECT_EQ(location.creationDate(), Date{kFixtureTime});
}

TEST_F(QOVLocationTest, FullRecordSurvivesArchivingExceptPollen) {
    auto location =
        QOVModelFactory::sharedInstance()->modelUsingJSON(qovtest::readModelFixture("aggregate_us_full.json"));
    ASSERT_TRUE(location);
    location->setBeachAndBoatForecast(
        QOVModelFactory::sharedInstance()->beachAndBoatForecastFromJSON(qovtest::readModelFixture("marine.json")));
    location->setNickName("Home town");
    location->setTwitterPlaceId("tw1");
    ASSERT_TRUE(location->pollenData());

    clock().advance(100);
    const auto copy = qovtest::archiveRoundTrip(*location);
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->pollenData());
    ASSERT_TRUE(copy->beachAndBoatForecast());
    EXPECT_EQ(copy->beachAndBoatForecast()->marineForecastArray()->size(), 3U);
    EXPECT_EQ(copy->beachAndBoatForecast()->tideArray()->size(), 3U);
    EXPECT_EQ(copy->creationDate(), location->creationDate());
    EXPECT_DOUBLE_EQ(copy->age(), 100.0);
    EXPECT_EQ(copy->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(copy->nickName(), "Home town");
    EXPECT_EQ(copy->twitterPlaceId(), "tw1");
    EXPECT_EQ(copy->obsId(), "KATL");
    EXPECT_EQ(copy->parentLocationId(), "USGA0028:1");
    EXPECT_EQ(copy->forecastId(), "GAZ044");
    EXPECT_EQ(copy->postalCode(), "30303");
    EXPECT_EQ(copy->dma(), "524");
    EXPECT_EQ(copy->region4(), "SE");
    EXPECT_EQ(copy->region9(), "S");
    EXPECT_EQ(copy->coordinate(), (LocationCoordinate{33.749, -84.388}));
    EXPECT_DOUBLE_EQ(copy->elevation(), 320.0);
    EXPECT_EQ(copy->timeZoneOffset(), -5.0);
    EXPECT_EQ(copy->timeZone(), "America/New_York");
    ASSERT_TRUE(copy->currentConditions());
    EXPECT_EQ(copy->currentConditions()->temperature(), 52);
    EXPECT_EQ(copy->hourlyForecasts()->size(), 3U);
    EXPECT_EQ(copy->hiRadHourlyForecasts()->size(), 2U);
    EXPECT_EQ(copy->narrativeForecasts()->size(), 2U);
    EXPECT_EQ(copy->sunriseSunsets()->size(), 3U);
    ASSERT_EQ(copy->dailyForecasts()->size(), 2U);
    EXPECT_FALSE(copy->dailyForecasts()->at(1)->dayForecast());
    ASSERT_EQ(copy->severeWeatherAlerts()->size(), 3U);
    EXPECT_EQ(copy->severeWeatherAlerts()->at(2)->headline(), "Dense Fog Advisory");
}

TEST_F(QOVLocationTest, ArchiveUsesTheRecordKeys) {
    QOVLocation location;
    location.setKey("USGA0028");
    location.setTimeZone("America/New_York");
    location.setTimeZoneOffset(-5.0);
    location.setCurrentConditions(std::make_shared<QOVCurrentConditions>());
    location.setBeachAndBoatForecast(std::make_shared<QOVBeachAndBoatForecast>());
    location.setNickName("n");
    location.setTwitterPlaceId("t");
    const std::set<std::string> expected{"$class",
                                         "type",
                                         "key",
                                         "name",
                                         "creationDate",
                                         "obsId",
                                         "parentLocationId",
                                         "forecastId",
                                         "nickName",
                                         "city",
                                         "state",
                                         "postalCode",
                                         "country",
                                         "countryCode",
                                         "dma",
                                         "region4",
                                         "region9",
                                         "hasMarineData",
                                         "twitterPlaceId",
                                         "coordinate_latitude",
                                         "coordinate_longitude",
                                         "elevation",
                                         "timeZoneOffset",
                                         "timeZone",
                                         "currentConditions",
                                         "narrativeForecasts",
                                         "hiRadHourlyForecasts",
                                         "sunriseSunsets",
                                         "hourlyForecasts",
                                         "dailyForecasts",
                                         "beachBoatForecast",
                                         "severeWxAlerts"};
    EXPECT_EQ(qovtest::archiveKeys(location), expected);
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

TEST_F(QOVLocationTest, EmptyCityIsStoredAsTheName) {
    QOVLocation location;
    location.setName("London");
    EXPECT_EQ(location.city(), "London");
    const auto copy = qovtest::archiveRoundTrip(location);
    ASSERT_TRUE(copy);
    copy->setName("Other");
    EXPECT_EQ(copy->city(), "London");
}

TEST_F(QOVLocationTest, IdentityIsANewIdentityWithoutNickname) {
    auto location = std::make_shared<QOVLocation>();
    location->setType(1);
    location->setKey("USGA0028");
    location->setUserNickname("Home");
    const auto identity = location->identity();
    EXPECT_NE(identity.get(), location.get());
    EXPECT_EQ(identity->className(), "QOVLocationIdentity");
    EXPECT_TRUE(identity->isEqualToLocation(*location));
    EXPECT_FALSE(identity->userNickname().has_value());
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

TEST_F(QOVLocationTest, CountryTestsAreExact) {
    QOVLocation location;
    EXPECT_FALSE(location.isUnitedStates());
    location.setCountryCode("UK");
    EXPECT_TRUE(location.isUnitedKingdom());
    location.setCountryCode("us");
    EXPECT_FALSE(location.isUnitedStates());
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
    EXPECT_TRUE(supported("en_IN", "en", "GB"));
    EXPECT_TRUE(supported("en_US", "en", "FR"));
    EXPECT_TRUE(supported("es_US", "es", "DE"));
    EXPECT_TRUE(supported("fr_FR", "fr", "FR"));
    EXPECT_FALSE(supported("fr_FR", "fr", "CA"));
    EXPECT_FALSE(supported("de_DE", "de", "DE"));
    EXPECT_FALSE(supported("en_AU", "en", "GB"));
    platform::LocaleSource::clearOverride();
}

TEST_F(QOVLocationTest, StaleAndInvalidBoundaries) {
    QOVLocation location;
    clock().advance(299.9);
    EXPECT_FALSE(location.isStale());
    clock().advance(0.1);
    EXPECT_TRUE(location.isStale());
    clock().set(Date{kFixtureTime + 3599.9});
    EXPECT_FALSE(location.isInvalid());
    clock().set(Date{kFixtureTime + 3600});
    EXPECT_TRUE(location.isInvalid());
    EXPECT_FLOAT_EQ(location.confidence(), 0.25F);
}

TEST_F(QOVLocationTest, AfternoonAndEveningFollowTheLocalHour) {
    QOVLocation location;
    location.setTimeZone("America/New_York");
    // 2027-01-15 17:00 UTC is 12:00 in New York.
    clock().set(Date{kFixtureTime + 9 * 3600});
    EXPECT_TRUE(location.isAfternoon());
    EXPECT_FALSE(location.isEvening());
    clock().advance(2 * 3600);
    EXPECT_TRUE(location.isAfternoon());
    EXPECT_TRUE(location.isEvening());
}

TEST_F(QOVLocationTest, UnknownOrMissingTimeZoneUsesUtc) {
    QOVLocation location;
    clock().set(Date{kFixtureTime + 4 * 3600});  // 12:00 UTC
    EXPECT_TRUE(location.isAfternoon());
    EXPECT_FALSE(location.isEvening());
    location.setTimeZone("Mars/Olympus_Mons");
    EXPECT_TRUE(location.isAfternoon());
    EXPECT_FALSE(location.isEvening());
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

TEST_F(QOVLocationTest, BeachAndHiRadQueries) {
    QOVLocation location;
    EXPECT_FALSE(location.hasHiRadData());
    EXPECT_FALSE(location.hasBeachAndBoatForecast());
    location.setHiRadHourlyForecasts(QOVLocation::HiRadHourlyList{std::make_shared<QOVHiRadHourlyForecast>()});
    location.setBeachAndBoatForecast(std::make_shared<QOVBeachAndBoatForecast>());
    EXPECT_TRUE(location.hasHiRadData());
    EXPECT_TRUE(location.hasBeachAndBoatForecast());
}

}  // namespace
}  // namespace qov
