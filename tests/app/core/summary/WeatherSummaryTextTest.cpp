#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/summary/WeatherSummaryText.h"
#include "tests/support/ManualClockFixture.h"

namespace {

using qov::WeatherSummaryText;

class WeatherSummaryTextTest : public qovtest::ManualClockFixture {
protected:
    WeatherSummaryTextTest() {
        location->setType(1);
        location->setKey("USGA0028");
        location->setCity("Atlanta");
        location->setState("GA");
        location->setCountryCode("US");
        location->setCoordinate({33.75, -84.39});
        location->setTimeZone("America/New_York");
    }

    std::shared_ptr<qov::QOVLocation> location = std::make_shared<qov::QOVLocation>();
};

TEST_F(WeatherSummaryTextTest, ShowsTheHeadingConditionsTheComingHoursInLocalTimeAndTheDays) {
    EXPECT_EQ(WeatherSummaryText::summaryOf(*location),
              "Atlanta, GA (USGA0028:1)\n33.75°N 84.39°W, time zone America/New_York, data 0 min old\n");
    auto now = std::make_shared<qov::QOVCurrentConditions>();
    now->setTemperature(58);
    now->setText("Partly Cloudy");
    location->setCurrentConditions(now);

    // 1 800 000 000 s is 2027-01-15 08:00 UTC, 03:00 in Atlanta.
    qov::QOVLocation::HourlyList hours;
    for (int index = -2; index < 20; ++index) {
        auto hour = std::make_shared<qov::QOVHourlyForecast>();
        hour->setDate(clock()->now().addingTimeInterval(3600.0 * index));
        hour->setTemperature(40 + index);
        hours.push_back(hour);
    }
    location->setHourlyForecasts(hours);

    auto night = std::make_shared<qov::QOVDayPartForecast>();
    night->setText("Clear");
    auto day = std::make_shared<qov::QOVDailyForecast>();
    day->setDate(clock()->now());
    day->setHighTemperature(61);
    day->setLowTemperature(39);
    day->setNightForecast(night);
    location->setDailyForecasts(qov::QOVLocation::DailyList{day, nullptr});

    clock()->advance(1800.0);  // 03:30 in Atlanta
    const std::string text = WeatherSummaryText::summaryOf(*location);
    EXPECT_NE(text.find("Now: 58°F, Partly Cloudy"), std::string::npos) << text;
    EXPECT_EQ(text.find("02:00"), std::string::npos) << "past hours are left out\n" << text;
    EXPECT_NE(text.find("  03:00    40°F"), std::string::npos) << "the hour under way is shown\n" << text;
    EXPECT_NE(text.find("  14:00    51°F"), std::string::npos) << text;
    EXPECT_EQ(text.find("  15:00"), std::string::npos) << "twelve hours at most\n" << text;
    EXPECT_NE(text.find("Fri 2027-01-15  high   61°F  low   39°F    0% precip  Clear"), std::string::npos) << text;
}

}  // namespace
