#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/core/model/ModelClasses.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/summary/WeatherSummaryText.h"
#include "platform/storage/KeyedArchiver.h"
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
    EXPECT_NE(text.find("Then (Fri 2027-01-15 03:00 local, 30 min ago): 58°F, Partly Cloudy"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("02:00"), std::string::npos) << "past hours are left out\n" << text;
    EXPECT_NE(text.find("  03:00    40°F"), std::string::npos) << "the hour under way is shown\n" << text;
    EXPECT_NE(text.find("  14:00    51°F"), std::string::npos) << text;
    EXPECT_EQ(text.find("  15:00"), std::string::npos) << "twelve hours at most\n" << text;
    EXPECT_NE(text.find("Fri 2027-01-15  high   61°F  low   39°F    0% precip  Clear"), std::string::npos) << text;
}

TEST_F(WeatherSummaryTextTest, OldConditionsSayWhenTheyWereSeenPastDaysAreLeftOutAndServiceTextsAreEscaped) {
    location->setCity("Atlanta\x1b]0;owned\x07");
    auto now = std::make_shared<qov::QOVCurrentConditions>();
    now->setDate(clock()->now().addingTimeInterval(-600.0));  // 02:50 in Atlanta
    now->setText("Fog\r\nNow: 99°F");
    location->setCurrentConditions(now);
    qov::QOVLocation::DailyList days;
    for (int index = -1; index < 2; ++index) {
        auto day = std::make_shared<qov::QOVDailyForecast>();
        day->setDate(clock()->now().addingTimeInterval(86400.0 * index));
        days.push_back(day);
    }
    location->setDailyForecasts(days);

    EXPECT_NE(WeatherSummaryText::summaryOf(*location).find("\nNow: 0°F, Fog\\r\\nNow: 99°F;"), std::string::npos);
    clock()->advance(3.0 * 3600 + 300.0);
    const std::string text = WeatherSummaryText::summaryOf(*location);
    EXPECT_NE(text.find("Atlanta\\x1B]0;owned\\x07, GA"), std::string::npos) << text;
    EXPECT_NE(text.find("\nThen (Fri 2027-01-15 02:50 local, 3 h 15 min ago): 0°F, Fog"), std::string::npos) << text;
    EXPECT_EQ(text.find("2027-01-14"), std::string::npos) << "yesterday is left out\n" << text;
    EXPECT_NE(text.find("Sat 2027-01-16"), std::string::npos) << text;
}

// A record as an archive without its creation date holds it: the key and the place's name, nothing else.
class UndatedRecord : public platform::Archivable {
public:
    std::string className() const override { return "QOVLocation"; }
    void encodeWithCoder(platform::KeyedArchiver& coder) const override {
        coder.encodeInteger(1, "type");
        coder.encodeString("USGA0028", "key");
        coder.encodeString("Atlanta", "city");
    }
};

TEST_F(WeatherSummaryTextTest, ARecordWithoutACreationDateHasNoAgeToTell) {
    qov::registerModelClasses();
    const auto data = platform::KeyedArchiver::archivedDataWithRootObject(UndatedRecord());
    ASSERT_TRUE(data);
    const auto undated = platform::KeyedUnarchiver::unarchiveObjectOfClass<qov::QOVLocation>(*data);
    ASSERT_TRUE(undated);
    ASSERT_FALSE(undated->creationDate());
    undated->setCurrentConditions(std::make_shared<qov::QOVCurrentConditions>());
    const std::string text = WeatherSummaryText::summaryOf(*undated);
    EXPECT_NE(text.find(", data of unknown age\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nThen (time unknown): 0°F"), std::string::npos) << text;
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
}

}  // namespace
