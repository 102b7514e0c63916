#include "app/core/model/QOVModelFactory.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVNarrativeForecast.h"
#include "app/core/model/QOVPollenInformation.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "tests/support/LogCapture.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using platform::Date;
using qovtest::kFixtureTime;
using qovtest::readModelFixture;

constexpr auto kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kIntMin = std::numeric_limits<std::int32_t>::min();

class QOVModelFactoryTest : public qovtest::FactoryTest {
protected:
    std::shared_ptr<QOVLocation> aggregate(std::string_view json) {
        forgetErrors();
        return factory().modelUsingJSON(json);
    }
    bool logged(std::string_view text) const { return m_log.contains(text); }

    const qovtest::LogCapture m_log;
};

TEST_F(QOVModelFactoryTest, NoDataAnswersFireTheNoDataErrorWithTheFactoryAsSender) {
    for (const char* json : {"[]", "[{}]", "[{\"SunRiseSet\":[]}]", "not json", "", "{}", "42"}) {
        EXPECT_FALSE(aggregate(json)) << json;
        expectNoDataFired(json);
    }
}

TEST_F(QOVModelFactoryTest, ServiceErrorRecordIsLoggedAndFiresNothing) {
    EXPECT_FALSE(aggregate(readModelFixture("service_error.json")));
    EXPECT_TRUE(fired.empty());
    EXPECT_TRUE(logged("JSON service error type [E-1004], category [key], text [Unknown location key]"));
}

TEST_F(QOVModelFactoryTest, MalformedRootsAnswerNilWithoutError) {
    const std::string location = readModelFixture("aggregate_location_only.json");
    const std::string record = location.substr(location.find('{'), location.rfind('}') - location.find('{') + 1);
    EXPECT_FALSE(aggregate("[" + record + "," + record + "]"));
    EXPECT_TRUE(logged("Expected one root record, got 2 records instead."));
    EXPECT_FALSE(aggregate(record));  // a root object holding only "Location"
    EXPECT_FALSE(aggregate("[1]"));
    EXPECT_FALSE(aggregate("{\"class\":\"error\"}"));
    for (const char* json : {"[{\"Location\":null}]", "[{\"Location\":\"Atlanta\"}]", "[{\"Location\":[{}]}]"}) {
        EXPECT_FALSE(aggregate(json)) << json;
    }
    EXPECT_TRUE(logged("Error processing JSON: JSON Data Error: \"Location\" is not an object."));
    EXPECT_TRUE(fired.empty());
}

TEST_F(QOVModelFactoryTest, FullUnitedStatesRecord) {
    const auto location = aggregate(readModelFixture("aggregate_us_full.json"));
    ASSERT_TRUE(location);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(location->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(location->state(), "GA");
    EXPECT_EQ(location->coordinate(), (LocationCoordinate{33.749, -84.388}));
    EXPECT_EQ(location->timeZone(), "America/New_York");
    EXPECT_EQ(location->timeZoneOffset(), -5.0);
    EXPECT_FALSE(location->loadMarineData());
    EXPECT_EQ(location->creationDate(), Date{kFixtureTime});

    ASSERT_TRUE(location->currentConditions());
    EXPECT_EQ(location->currentConditions()->date(), Date{kFixtureTime - 600});
    EXPECT_EQ(location->currentConditions()->pressure(), 30.12);

    ASSERT_EQ(location->hourlyForecasts()->size(), 3U);
    EXPECT_EQ(location->hourlyForecasts()->at(1)->date(), Date{kFixtureTime + 3600});
    EXPECT_EQ(location->hourlyForecasts()->at(1)->chanceOfPrecipitation(), 10);
    ASSERT_EQ(location->hiRadHourlyForecasts()->size(), 2U);
    EXPECT_EQ(location->hiRadHourlyForecasts()->at(1)->precipitationRate(), 0.12);
    EXPECT_EQ(location->hiRadHourlyForecasts()->at(1)->severity(), 1);
    ASSERT_EQ(location->narrativeForecasts()->size(), 2U);
    EXPECT_EQ(location->narrativeForecasts()->at(1)->dayPart(), "Tonight");

    ASSERT_EQ(location->sunriseSunsets()->size(), 3U);
    EXPECT_EQ(location->sunriseSunsets()->at(0)->sunrise(), Date{kFixtureTime - 10800});

    ASSERT_EQ(location->dailyForecasts()->size(), 2U);
    const auto& today = location->dailyForecasts()->at(0);
    EXPECT_EQ(today->highTemperature(), 58);
    EXPECT_EQ(today->precipitationType(), "rain");
    ASSERT_TRUE(today->dayForecast());
    EXPECT_EQ(today->dayForecast()->extendedQualifier(), "Breezy at times");
    ASSERT_TRUE(today->nightForecast());
    EXPECT_EQ(today->nightForecast()->precipitationType(), "");  // absent in the night part: the empty text
    const auto& tomorrow = location->dailyForecasts()->at(1);
    EXPECT_FALSE(tomorrow->dayForecast());
    ASSERT_TRUE(tomorrow->nightForecast());
    EXPECT_EQ(tomorrow->nightForecast()->windDirectionDescription(), "WNW");

    ASSERT_EQ(location->severeWeatherAlerts()->size(), 3U);
    EXPECT_EQ(location->severeWeatherAlerts()->at(2)->phenomenaCode(), "FG");

    ASSERT_TRUE(location->pollenData());
    EXPECT_EQ(location->pollenData()->basicPollenValue(), 3U);
    EXPECT_EQ(location->pollenData()->dates().size(), 2U);
}

// Fields that lie side by side in the answer, each compared with the answer's own value: one read from its
// neighbour's key shows here.
TEST_F(QOVModelFactoryTest, NeighbouringFieldsKeepTheirOwnValues) {
    using Ints = std::vector<std::int32_t>;
    const auto location = aggregate(readModelFixture("aggregate_us_full.json"));
    ASSERT_TRUE(location);
    const auto& days = *location->dailyForecasts();
    ASSERT_EQ(days.size(), 2U);
    EXPECT_EQ((Ints{days[0]->highTemperature(), days[0]->lowTemperature(), days[1]->highTemperature(),
                    days[1]->lowTemperature()}),
              (Ints{58, 40, 59, 41}));
    const auto& day = *days[0]->dayForecast();
    const auto& night = *days[0]->nightForecast();
    EXPECT_EQ((Ints{day.weatherIconIndex(), day.humidity(), day.chanceOfPrecipitation(), day.uvIndex(), day.windSpeed(),
                    day.windDirection()}),
              (Ints{30, 55, 20, 3, 9, 250}));
    EXPECT_EQ((Ints{night.weatherIconIndex(), night.humidity(), night.chanceOfPrecipitation(), night.uvIndex(),
                    night.windSpeed(), night.windDirection()}),
              (Ints{29, 70, 10, 0, 4, 300}));
    EXPECT_EQ(day.text() + "|" + day.shortText() + "|" + night.text() + "|" + night.shortText(),
              "Partly cloudy|P Cldy|Mostly clear|M Clear");

    const auto& now = *location->currentConditions();
    EXPECT_EQ((Ints{now.weatherIconNumber(), now.temperature(), now.feelsLike(), now.windSpeed(), now.windDirection(),
                    now.windGust(), now.visibility(), now.humidity(), now.dewPoint(), now.tend(), now.uvIndex()}),
              (Ints{30, 52, 50, 8, 270, 15, 10, 61, 39, 1, 2}));
    EXPECT_EQ(now.uvText() + "|" + now.pressureDescription() + "|" + now.windDirectionDescription(), "Low|Rising|W");

    const auto& hour = *location->hourlyForecasts()->at(2);
    EXPECT_EQ((Ints{hour.weatherIconIndex(), hour.temperature(), hour.feelsLike(), hour.dewPoint(), hour.humidity(),
                    hour.chanceOfPrecipitation()}),
              (Ints{28, 54, 52, 39, 59, 20}));
    const auto& hiRad = *location->hiRadHourlyForecasts()->at(1);
    EXPECT_EQ((Ints{hiRad.temperature(), hiRad.feelsLike(), hiRad.dewPoint(), hiRad.visibility(), hiRad.humidity(),
                    hiRad.chanceOfPrecipitation(), hiRad.windSpeed(), hiRad.windDirection()}),
              (Ints{51, 48, 45, 6, 88, 70, 11, 200}));

    const auto& sun = *location->sunriseSunsets()->at(1);
    EXPECT_EQ(sun.sunrise(), Date{1800075600});
    EXPECT_EQ(sun.sunset(), Date{1800111600});
}

// The standard observation is used only without a high-resolution one.
TEST_F(QOVModelFactoryTest, ObservationSources) {
    for (const auto& [fixture, station] :
         {std::pair{"aggregate_non_us.json", "Heathrow"}, {"aggregate_both_observations.json", "Atlanta Hartsfield"}}) {
        const auto location = aggregate(readModelFixture(fixture));
        ASSERT_TRUE(location && location->currentConditions()) << fixture;
        EXPECT_EQ(location->currentConditions()->obsName(), station);
    }
}

TEST_F(QOVModelFactoryTest, LocationOnlyRecordHasEmptySections) {
    const auto location = aggregate(readModelFixture("aggregate_location_only.json"));
    ASSERT_TRUE(location);
    EXPECT_FALSE(location->currentConditions());
    ASSERT_TRUE(location->pollenData());
    EXPECT_TRUE(location->pollenData()->dates().empty());
    for (const auto size : {location->hourlyForecasts()->size(), location->hiRadHourlyForecasts()->size(),
                            location->narrativeForecasts()->size(), location->sunriseSunsets()->size(),
                            location->dailyForecasts()->size(), location->severeWeatherAlerts()->size()}) {
        EXPECT_EQ(size, 0U);
    }
}

TEST_F(QOVModelFactoryTest, MarineFlagAcceptsTheListedTextsInAnyCase) {
    const std::pair<const char*, bool> cases[] = {
        {"\"true\"", true}, {"\"TRUE\"", true},   {"\"Yes\"", true}, {"\"1\"", true},   {"true", true},
        {"1", true},        {"\"false\"", false}, {"\"0\"", false},  {"\"no\"", false}, {"0", false},
        {"false", false},   {"\"1.0\"", false},   {"[true]", false}, {"null", false}};
    for (const auto& [value, expected] : cases) {
        const auto location = aggregate(std::string(R"([{"Location":{"key":"X","isMarineSurf":)") + value + "}}]");
        ASSERT_TRUE(location) << value;
        EXPECT_EQ(location->loadMarineData(), expected) << value;
    }
}

TEST_F(QOVModelFactoryTest, NullsReadAsAbsent) {
    const auto location = aggregate(readModelFixture("aggregate_nulls.json"));
    ASSERT_TRUE(location);
    EXPECT_EQ(location->city(), "Atlanta");
    EXPECT_EQ(location->coordinate(), (LocationCoordinate{0.0, 0.0}));
    EXPECT_FALSE(location->timeZone().has_value());
    ASSERT_TRUE(location->currentConditions());
    EXPECT_EQ(location->currentConditions()->date(), Date{0});
    EXPECT_EQ(location->sunriseSunsets()->size(), 1U);  // the null element is skipped
    EXPECT_EQ(location->hourlyForecasts()->size(), 2U);
    EXPECT_TRUE(location->hiRadHourlyForecasts()->empty());
    EXPECT_FALSE(location->dailyForecasts()->at(0)->dayForecast());
    EXPECT_FALSE(location->dailyForecasts()->at(0)->precipitationType().has_value());
    EXPECT_TRUE(location->severeWeatherAlerts()->empty());
}

TEST_F(QOVModelFactoryTest, NumbersAsTextAndTextAsNumbers) {
    const auto location = aggregate(readModelFixture("aggregate_numbers_as_text.json"));
    ASSERT_TRUE(location);
    EXPECT_EQ(location->type(), 1);
    EXPECT_EQ(location->coordinate(), (LocationCoordinate{33.749, -84.388}));
    EXPECT_EQ(location->timeZoneOffset(), -5.0);
    EXPECT_TRUE(location->loadMarineData());
    ASSERT_TRUE(location->currentConditions());
    EXPECT_EQ(location->currentConditions()->pressure(), 29.92);
    EXPECT_EQ(location->currentConditions()->date(), Date{kFixtureTime - 600});
    ASSERT_EQ(location->hourlyForecasts()->size(), 2U);
    EXPECT_EQ(location->hourlyForecasts()->at(0)->temperature(), -3);
    EXPECT_EQ(location->hourlyForecasts()->at(1)->text(), "42");
    EXPECT_EQ(location->hourlyForecasts()->at(1)->key(), "12.5");
    EXPECT_EQ(location->pollenData()->basicPollenValue(), 5U);
    EXPECT_EQ(location->dailyForecasts()->at(0)->highTemperature(), 58);
}

TEST_F(QOVModelFactoryTest, WrongKindsLoseOnlyTheBadValues) {
    const auto location = aggregate(readModelFixture("aggregate_wrong_kinds.json"));
    ASSERT_TRUE(location);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(location->city(), "");
    EXPECT_EQ(location->state(), "true");
    EXPECT_EQ(location->coordinate(), (LocationCoordinate{0.0, -84.388}));
    EXPECT_FALSE(location->loadMarineData());
    EXPECT_FALSE(location->timeZone().has_value());
    // "HiradObservation" is a list, so the standard observation is used.
    const auto& conditions = location->currentConditions();
    ASSERT_TRUE(conditions);
    EXPECT_EQ(conditions->obsName(), "Standard Station");
    EXPECT_EQ(conditions->text(), "");
    EXPECT_EQ(conditions->windDirection(), kIntMax);
    EXPECT_EQ(conditions->windSpeed(), kIntMin);
    // Only the grass reading has an index type; its negative value counts as 0.
    EXPECT_EQ(location->pollenData()->dates().size(), 1U);
    EXPECT_EQ(location->pollenData()->basicPollenValue(), 0U);
    EXPECT_TRUE(location->sunriseSunsets()->empty());
    ASSERT_EQ(location->dailyForecasts()->size(), 1U);
    EXPECT_FALSE(location->dailyForecasts()->at(0)->dayForecast());
    EXPECT_FALSE(location->dailyForecasts()->at(0)->nightForecast());
    EXPECT_EQ(location->severeWeatherAlerts()->size(), 2U);
}

TEST_F(QOVModelFactoryTest, SingleLocationReadsOnlyALocationRoot) {
    const auto location = factory().singleLocationFromJSON(readModelFixture("location_us.json"));
    ASSERT_TRUE(location);
    EXPECT_EQ(location->identifierAsString(), "USGA0028:1");
    EXPECT_TRUE(location->hourlyForecasts()->empty());
    EXPECT_FALSE(location->pollenData());

    // Other roots are refused silently.
    EXPECT_FALSE(factory().singleLocationFromJSON(readModelFixture("location_list_root.json")));
    EXPECT_FALSE(factory().singleLocationFromJSON(R"({"key":"USGA0028","type":1})"));
    EXPECT_FALSE(factory().singleLocationFromJSON(readModelFixture("service_error.json")));
    EXPECT_FALSE(factory().singleLocationFromJSON("nonsense"));
    EXPECT_TRUE(fired.empty());
}

}  // namespace
}  // namespace qov
