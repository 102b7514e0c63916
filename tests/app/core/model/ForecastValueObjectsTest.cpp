#include <gtest/gtest.h>

#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVPollenInformation.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using platform::Date;
using qovtest::archiveKeys;
using qovtest::keys;

class ForecastValueObjectsTest : public qovtest::FactoryTest {};

// Round trips of every section are checked on the whole record (QOVLocationTest); here, the exact key names.
TEST_F(ForecastValueObjectsTest, SectionsWriteExactlyTheirArchiveKeys) {
    const auto location = factory().modelUsingJSON(qovtest::readModelFixture("aggregate_us_full.json"));
    ASSERT_TRUE(location);
    EXPECT_EQ(archiveKeys(*location->hiRadHourlyForecasts()->at(0)),
              keys("$class basicText basicWeatherIconIndex basicWindSpeed basicWindDirection "
                   "basicWindDirectionDescription basicHumidity basicUvIndex basicChanceOfPrecip hourlyKey hourlyDate "
                   "hourlyTemp hourlyFeelsLike hourlyDewPoint hiRadSeverity hiRadVisibility hiRadPrecipitationRate "
                   "hiRadSnowRate hiRadUvText"));
    EXPECT_EQ(archiveKeys(*location->sunriseSunsets()->at(0)), keys("$class sunriseKey sunriseSunrise sunriseSunset"));
    EXPECT_EQ(archiveKeys(*location->currentConditions()).size(), 20U);
    EXPECT_EQ(archiveKeys(*location->severeWeatherAlerts()->at(0)).size(), 13U);
    // A day without its day part writes no key for it.
    const auto tomorrow = archiveKeys(*location->dailyForecasts()->at(1));
    EXPECT_FALSE(tomorrow.contains("dailyDayForecast"));
    EXPECT_TRUE(tomorrow.contains("dailyNightForecast"));
}

TEST_F(ForecastValueObjectsTest, MissingArchiveKeysReadAsZeroOrAbsent) {
    // An archive holding only one of the forecast keys reads as an otherwise empty hour.
    platform::ArchiveRegistry::registerClass("EmptyHourProbe", [](const platform::KeyedUnarchiver& coder) {
        auto hour = std::make_shared<QOVHiRadHourlyForecast>();
        hour->decodeWithCoder(coder);
        return std::shared_ptr<platform::Object>(hour);
    });
    const platform::Dictionary root{{"$class", "EmptyHourProbe"}, {"hourlyTemp", 7}};
    const auto hour =
        platform::KeyedUnarchiver::unarchiveObjectOfClass<QOVHiRadHourlyForecast>(qovtest::binaryArchiveOf(root));
    ASSERT_TRUE(hour);
    EXPECT_EQ(hour->temperature(), 7);
    EXPECT_EQ(hour->severity(), 0);
    EXPECT_EQ(hour->text(), "");
    EXPECT_FALSE(hour->date().has_value());
    EXPECT_FALSE(hour->precipitationRate().has_value());
}

TEST(QOVPollenInformationTest, SummaryIsTheHighestReadingOfTheFirstDate) {
    QOVPollenInformation pollen;
    EXPECT_EQ(pollen.basicPollenValue(), 0U);
    pollen.addPollenValue(0, "None", "weed", Date{100});
    EXPECT_EQ(pollen.basicPollenValue(), 0U);
    pollen.addPollenValue(2, "Low", "tree", Date{100});
    pollen.addPollenValue(11, "Very High", "tree", Date{200});
    pollen.addPollenValue(4, "Moderate", "grass", Date{100});
    EXPECT_EQ(pollen.dates(), (std::vector<Date>{Date{100}, Date{200}}));
    EXPECT_EQ(pollen.basicPollenValue(), 4U);
    // A later reading of the same type and date replaces the earlier one.
    pollen.addPollenValue(1, "Low", "grass", Date{100});
    EXPECT_EQ(pollen.basicPollenValue(), 2U);
    // Values compare as unsigned.
    pollen.addPollenValue(4'000'000'000U, "?", "tree", Date{100});
    EXPECT_EQ(pollen.basicPollenValue(), 4'000'000'000U);
}

}  // namespace
}  // namespace qov
