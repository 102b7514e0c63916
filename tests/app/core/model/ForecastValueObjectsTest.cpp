#include <gtest/gtest.h>

#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVNarrativeForecast.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "tests/app/core/model/ModelTestSupport.h"

namespace qov {
namespace {

using platform::Date;
using qovtest::archiveKeys;
using qovtest::archiveRoundTrip;

TEST(ForecastValueObjectsTest, HiRadHourRoundTripsAllEighteenFieldsUnderPrefixedKeys) {
    QOVHiRadHourlyForecast hour;
    hour.setText("Light Rain");
    hour.setWeatherIconIndex(12);
    hour.setWindSpeed(11);
    hour.setWindDirection(200);
    hour.setWindDirectionDescription("SSW");
    hour.setHumidity(88);
    hour.setUvIndex(1);
    hour.setChanceOfPrecipitation(70);
    hour.setKey("USGA0028:1");
    hour.setDate(Date{1'800'000'000});
    hour.setTemperature(50);
    hour.setFeelsLike(48);
    hour.setDewPoint(45);
    hour.setSeverity(2);
    hour.setVisibility(6);
    hour.setPrecipitationRate(0.12);
    hour.setSnowRate(0.0);
    hour.setUvText("Low");

    EXPECT_EQ(archiveKeys(hour),
              (std::set<std::string>{"$class", "basicText", "basicWeatherIconIndex", "basicWindSpeed",
                                     "basicWindDirection", "basicWindDirectionDescription", "basicHumidity",
                                     "basicUvIndex", "basicChanceOfPrecip", "hourlyKey", "hourlyDate", "hourlyTemp",
                                     "hourlyFeelsLike", "hourlyDewPoint", "hiRadSeverity", "hiRadVisibility",
                                     "hiRadPrecipitationRate", "hiRadSnowRate", "hiRadUvText"}));
    const auto copy = archiveRoundTrip(hour);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->text(), "Light Rain");
    EXPECT_EQ(copy->weatherIconIndex(), 12);
    EXPECT_EQ(copy->windSpeed(), 11);
    EXPECT_EQ(copy->windDirection(), 200);
    EXPECT_EQ(copy->windDirectionDescription(), "SSW");
    EXPECT_EQ(copy->humidity(), 88);
    EXPECT_EQ(copy->uvIndex(), 1);
    EXPECT_EQ(copy->chanceOfPrecipitation(), 70);
    EXPECT_EQ(copy->key(), "USGA0028:1");
    EXPECT_EQ(copy->date(), Date{1'800'000'000});
    EXPECT_EQ(copy->temperature(), 50);
    EXPECT_EQ(copy->feelsLike(), 48);
    EXPECT_EQ(copy->dewPoint(), 45);
    EXPECT_EQ(copy->severity(), 2);
    EXPECT_EQ(copy->visibility(), 6);
    EXPECT_EQ(copy->precipitationRate(), 0.12);
    EXPECT_EQ(copy->snowRate(), 0.0);
    EXPECT_EQ(copy->uvText(), "Low");
}

TEST(ForecastValueObjectsTest, DailyWithoutNightKeepsItsDayPart) {
    QOVDailyForecast day;
    auto part = std::make_shared<QOVDayPartForecast>();
    part->setShortText("P Cldy");
    part->setWeatherCode("3000");
    part->setPrecipitationType("rain");
    part->setSnowAccumulationPhrase("1 to 2 in.");
    part->setSnowAccumulationTersePhrase("1-2");
    part->setExtendedQualifier("Breezy");
    part->setText("Partly cloudy");
    day.setDayForecast(part);
    day.setHighTemperature(58);
    day.setLowTemperature(40);
    day.setPrecipitationType("rain");
    day.setKey("k");
    day.setDate(Date{1'800'000'000});
    const auto copy = archiveRoundTrip(day);
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->nightForecast());
    ASSERT_TRUE(copy->dayForecast());
    EXPECT_EQ(copy->dayForecast()->shortText(), "P Cldy");
    EXPECT_EQ(copy->dayForecast()->weatherCode(), "3000");
    EXPECT_EQ(copy->dayForecast()->precipitationType(), "rain");
    EXPECT_EQ(copy->dayForecast()->snowAccumulationPhrase(), "1 to 2 in.");
    EXPECT_EQ(copy->dayForecast()->snowAccumulationTersePhrase(), "1-2");
    EXPECT_EQ(copy->dayForecast()->extendedQualifier(), "Breezy");
    EXPECT_EQ(copy->dayForecast()->text(), "Partly cloudy");
    EXPECT_EQ(copy->highTemperature(), 58);
    EXPECT_EQ(copy->lowTemperature(), 40);
    EXPECT_EQ(copy->precipitationType(), "rain");
    EXPECT_EQ(copy->date(), Date{1'800'000'000});
    EXPECT_TRUE(archiveKeys(day).contains("dailyDayForecast"));
    EXPECT_FALSE(archiveKeys(day).contains("dailyNightForecast"));
}

TEST(ForecastValueObjectsTest, CurrentConditionsRoundTrip) {
    QOVCurrentConditions conditions;
    conditions.setDate(Date{1'799'999'400});
    conditions.setObsName("Atlanta Hartsfield");
    conditions.setKey("KATL");
    conditions.setWeatherIconNumber(30);
    conditions.setText("Partly Cloudy");
    conditions.setTemperature(52);
    conditions.setFeelsLike(50);
    conditions.setPressure(30.12);
    conditions.setPressureDescription("Rising");
    conditions.setWindSpeed(8);
    conditions.setWindDirection(270);
    conditions.setWindDirectionDescription("W");
    conditions.setWindGust(15);
    conditions.setVisibility(10);
    conditions.setHumidity(61);
    conditions.setDewPoint(39);
    conditions.setTend(1);
    conditions.setUvIndex(2);
    conditions.setUvText("Low");
    EXPECT_EQ(archiveKeys(conditions).size(), 20U);
    const auto copy = archiveRoundTrip(conditions);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->date(), conditions.date());
    EXPECT_EQ(copy->obsName(), "Atlanta Hartsfield");
    EXPECT_EQ(copy->key(), "KATL");
    EXPECT_EQ(copy->weatherIconNumber(), 30);
    EXPECT_EQ(copy->text(), "Partly Cloudy");
    EXPECT_EQ(copy->temperature(), 52);
    EXPECT_EQ(copy->feelsLike(), 50);
    EXPECT_EQ(copy->pressure(), 30.12);
    EXPECT_EQ(copy->pressureDescription(), "Rising");
    EXPECT_EQ(copy->windSpeed(), 8);
    EXPECT_EQ(copy->windDirection(), 270);
    EXPECT_EQ(copy->windDirectionDescription(), "W");
    EXPECT_EQ(copy->windGust(), 15);
    EXPECT_EQ(copy->visibility(), 10);
    EXPECT_EQ(copy->humidity(), 61);
    EXPECT_EQ(copy->dewPoint(), 39);
    EXPECT_EQ(copy->tend(), 1);
    EXPECT_EQ(copy->uvIndex(), 2);
    EXPECT_EQ(copy->uvText(), "Low");
}

TEST(ForecastValueObjectsTest, NarrativeSunAndAlertRoundTrip) {
    QOVNarrativeForecast narrative;
    narrative.setDate(Date{1'800'000'000});
    narrative.setKey("k");
    narrative.setDayPart("Tonight");
    narrative.setText("Clear.");
    narrative.setWeatherIconIndex(31);
    narrative.setUvIndex(0);
    const auto narrativeCopy = archiveRoundTrip(narrative);
    ASSERT_TRUE(narrativeCopy);
    EXPECT_EQ(narrativeCopy->dayPart(), "Tonight");
    EXPECT_EQ(narrativeCopy->text(), "Clear.");
    EXPECT_EQ(narrativeCopy->weatherIconIndex(), 31);
    EXPECT_EQ(narrativeCopy->date(), narrative.date());

    QOVSunriseSunset sun;
    sun.setKey("s");
    sun.setSunrise(Date{1'800'000'000});
    sun.setSunset(Date{1'800'036'000});
    EXPECT_EQ(archiveKeys(sun), (std::set<std::string>{"$class", "sunriseKey", "sunriseSunrise", "sunriseSunset"}));
    const auto sunCopy = archiveRoundTrip(sun);
    ASSERT_TRUE(sunCopy);
    EXPECT_EQ(sunCopy->key(), "s");
    EXPECT_EQ(sunCopy->sunset(), sun.sunset());

    QOVSevereWeather alert;
    alert.setAreaId("GAZ044");
    alert.setAreaName("Fulton");
    alert.setIssueOffice("FFC");
    alert.setEndTime(Date{1'800'007'200});
    alert.setEtn("0001");
    alert.setPhenomenaCode("WS");
    alert.setSeverity(2);
    alert.setSignificance("W");
    alert.setHeadline("Winter Storm Warning");
    alert.setShortDescription("Snow");
    alert.setTextId(100);
    alert.setText("Full text");
    EXPECT_EQ(archiveKeys(alert).size(), 13U);
    const auto alertCopy = archiveRoundTrip(alert);
    ASSERT_TRUE(alertCopy);
    EXPECT_EQ(alertCopy->endTime(), alert.endTime());
    EXPECT_EQ(alertCopy->etn(), "0001");
    EXPECT_EQ(alertCopy->phenomenaCode(), "WS");
    EXPECT_EQ(alertCopy->severity(), 2);
    EXPECT_EQ(alertCopy->significance(), "W");
    EXPECT_EQ(alertCopy->headline(), "Winter Storm Warning");
    EXPECT_EQ(alertCopy->shortDescription(), "Snow");
    EXPECT_EQ(alertCopy->textId(), 100);
    EXPECT_EQ(alertCopy->text(), "Full text");
}

TEST(ForecastValueObjectsTest, MissingArchiveKeysReadAsZeroOrAbsent) {
    // An identity's archive holds none of the forecast keys: read as an hour it gives an empty hour.
    qov::registerModelClasses();
    platform::ArchiveRegistry::registerClass("EmptyHourProbe", [](const platform::KeyedUnarchiver& coder) {
        auto hour = std::make_shared<QOVHiRadHourlyForecast>();
        hour->decodeWithCoder(coder);
        return std::shared_ptr<platform::Object>(hour);
    });
    class EmptyHourProbe : public platform::Archivable {
    public:
        void encodeWithCoder(platform::KeyedArchiver& coder) const override { coder.encodeInteger(7, "hourlyTemp"); }
        std::string className() const override { return "EmptyHourProbe"; }
    };
    const auto data = platform::KeyedArchiver::archivedDataWithRootObject(EmptyHourProbe());
    ASSERT_TRUE(data);
    const auto hour = platform::KeyedUnarchiver::unarchiveObjectOfClass<QOVHiRadHourlyForecast>(*data);
    ASSERT_TRUE(hour);
    EXPECT_EQ(hour->temperature(), 7);
    EXPECT_EQ(hour->severity(), 0);
    EXPECT_EQ(hour->text(), "");
    EXPECT_FALSE(hour->date().has_value());
    EXPECT_FALSE(hour->precipitationRate().has_value());
}

}  // namespace
}  // namespace qov
