#include <gtest/gtest.h>

#include <vector>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVTide.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using platform::Date;
using qovtest::kFixtureTime;
using qovtest::readModelFixture;

class BeachAndBoatForecastTest : public qovtest::FactoryTest {
protected:
    std::shared_ptr<QOVBeachAndBoatForecast> marine(std::string_view json) {
        forgetErrors();
        return factory().beachAndBoatForecastFromJSON(json);
    }
    static QOVTide tideAt(double seconds) {
        QOVTide tide;
        tide.setDate(Date{seconds});
        return tide;
    }
};

TEST_F(BeachAndBoatForecastTest, KeepsTheTidesOfTheFirstStationOnly) {
    const auto forecast = marine(readModelFixture("marine.json"));
    ASSERT_TRUE(forecast);
    EXPECT_TRUE(forecast->isValid());
    ASSERT_EQ(forecast->marineForecastArray()->size(), 3U);
    const auto& period = forecast->marineForecastArray()->at(0);
    EXPECT_EQ(period->date(), Date{kFixtureTime});
    EXPECT_EQ(period->name() + "|" + period->seaDescription() + "|" + period->waveDescription() + "|" + period->wind(),
              "Today|Moderate|Waves 2 to 4 feet|SW winds 10 to 15 knots");
    EXPECT_EQ((std::vector<std::int32_t>{period->seaTemp(), period->windSpeed(), period->windDirection()}),
              (std::vector<std::int32_t>{58, 12, 225}));
    EXPECT_EQ(period->cardinalWindDirection(), "SW");

    ASSERT_EQ(forecast->tideArray()->size(), 3U);
    const auto& tides = *forecast->tideArray();
    EXPECT_TRUE(tides[0]->isHigh());
    EXPECT_EQ(tides[0]->height(), 5.6);
    EXPECT_TRUE(tides[1]->isLow());  // "l"
    EXPECT_EQ(tides[1]->date(), Date{kFixtureTime + 26000});
    EXPECT_TRUE(tides[2]->isHigh());  // no type
    EXPECT_EQ(tides[0]->name(), "");  // named by whoever shows them
}

TEST_F(BeachAndBoatForecastTest, RecordWithoutListsGivesTwoEmptyListsThatAreNotValid) {
    const auto forecast = marine(readModelFixture("marine_empty_record.json"));
    ASSERT_TRUE(forecast);
    ASSERT_TRUE(forecast->marineForecastArray().has_value());
    ASSERT_TRUE(forecast->tideArray().has_value());
    EXPECT_TRUE(forecast->marineForecastArray()->empty());
    EXPECT_TRUE(forecast->tideArray()->empty());
    EXPECT_FALSE(forecast->isValid());

    EXPECT_FALSE(marine(readModelFixture("marine_no_tides.json"))->isValid());
}

TEST_F(BeachAndBoatForecastTest, BadAnswersAnswerNil) {
    for (const char* json : {"", "[]", "[{}]"}) {
        EXPECT_FALSE(marine(json)) << json;
        expectNoDataFired(json);
    }
    for (const std::string& json : {readModelFixture("service_error.json"),
                                    std::string("[{\"TideData\":[]},{\"TideData\":[]}]"), std::string("[\"text\"]")}) {
        EXPECT_FALSE(marine(json)) << json;
        EXPECT_TRUE(fired.empty()) << json;
    }
}

TEST_F(BeachAndBoatForecastTest, TideTypes) {
    const auto forecast = marine(R"([{"TideData":[{"key":"A","tType":"H"},{"key":"A","tType":"h"},
        {"key":"A","tType":"L"},{"key":"A","tType":"l"},{"key":"A"},{"key":"A","tType":"low"}]}])");
    ASSERT_TRUE(forecast);
    std::vector<bool> low;
    for (const auto& tide : *forecast->tideArray()) {
        low.push_back(tide->isLow());
    }
    EXPECT_EQ(low, (std::vector<bool>{false, false, true, true, false, false}));
}

TEST_F(BeachAndBoatForecastTest, TideNamesFollowTheLocalHour) {
    // Local times in New York (UTC-5 in January) on 2027-01-15; the clock's day starts at 05:00 UTC.
    const double midnight = kFixtureTime - 3 * 3600;
    const std::pair<double, const char*> cases[] = {{6 * 3600 + 59 * 60, "Night"},
                                                    {7 * 3600, "Morning"},
                                                    {12 * 3600 + 59 * 60, "Morning"},
                                                    {13 * 3600, "Afternoon"},
                                                    {18 * 3600 + 59 * 60, "Afternoon"},
                                                    {19 * 3600, "Evening"},
                                                    {30 * 60, "Evening"},
                                                    {3600, "Night"}};
    for (const auto& [offset, name] : cases) {
        QOVTide tide = tideAt(midnight + offset);
        tide.initNameWithTimeZone(std::string("America/New_York"));
        EXPECT_EQ(tide.name(), name) << offset;
    }
    QOVTide utc = tideAt(midnight);  // 05:00 UTC
    utc.initName();
    EXPECT_EQ(utc.name(), "Night");
    QOVTide unknownZone = tideAt(midnight);
    unknownZone.initNameWithTimeZone(std::string("Nowhere/Land"));
    EXPECT_EQ(unknownZone.name(), "Night");
    QOVTide undated;
    undated.initName();
    EXPECT_EQ(undated.name(), "");
}

TEST_F(BeachAndBoatForecastTest, CardinalDirectionBands) {
    const std::pair<int, const char*> cases[] = {{12, "N"},  {13, "NNE"}, {347, "NNW"}, {348, "N"},
                                                 {360, "N"}, {-10, "N"},  {102, "E"},   {103, "ESE"}};
    for (const auto& [degrees, name] : cases) {
        QOVMarineForecast forecast;
        forecast.setWindDirection(degrees);
        EXPECT_EQ(forecast.cardinalWindDirection(), name) << degrees;
    }
}

TEST_F(BeachAndBoatForecastTest, ArchiveKeepsEverythingButTideNames) {
    const auto forecast = marine(readModelFixture("marine.json"));
    ASSERT_TRUE(forecast);
    EXPECT_EQ(qovtest::archiveKeys(*forecast), qovtest::keys("$class MarineForecastKey TidesKey"));
    EXPECT_EQ(qovtest::archiveKeys(*forecast->tideArray()->at(0)), qovtest::keys("$class DateKey HeightKey LowKey"));
    EXPECT_EQ(qovtest::archiveKeys(*forecast->marineForecastArray()->at(0)),
              qovtest::keys("$class DateKey NameKey SeaTempKey SeaDescKey WavesKey WindKey WindSpeedKey "
                            "WindDirectionKey"));
    forecast->tideArray()->at(0)->setName("Morning");
    const auto copy = qovtest::faithfulRoundTrip(*forecast);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->tideArray()->at(0)->name(), "");
    EXPECT_TRUE(copy->isValid());
}

}  // namespace
}  // namespace qov
