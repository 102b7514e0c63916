#include "app/shell/weather/HourlyRows.h"

#include <gtest/gtest.h>

#include "tests/app/shell/weather/LocationBuilder.h"

namespace qov {
namespace {

using qovtest::forecastAt;

constexpr double kTenLocal = 1'800'007'200.0;  // 2027-01-15 10:00 UTC
constexpr double kQuarter = 900.0;
constexpr double kHour = 3600.0;

// High-resolution quarter hours from start (every quarter in the list of offsets) and hourly forecasts for
// the given number of hours from start.
std::shared_ptr<QOVLocation> locationWith(const std::string& zone, double start, std::initializer_list<int> quarters,
                                          int hours) {
    auto location = qovtest::makeLocation("TEST", zone);
    QOVLocation::HiRadHourlyList highResolution;
    for (const int quarter : quarters) {
        highResolution.push_back(forecastAt<QOVHiRadHourlyForecast>(start + quarter * kQuarter));
    }
    QOVLocation::HourlyList hourly;
    for (int hour = 0; hour < hours; ++hour) {
        hourly.push_back(forecastAt<QOVHourlyForecast>(start + hour * kHour));
    }
    location->setHiRadHourlyForecasts(highResolution);
    location->setHourlyForecasts(hourly);
    return location;
}

std::vector<double> datesOf(const HourlyRows::Forecasts& forecasts) {
    std::vector<double> dates;
    for (const auto& forecast : forecasts) {
        dates.push_back(forecast->date()->secondsSince1970);
    }
    return dates;
}

TEST(HourlyRowsTest, TopOfHourQuarterHoursLeadThenLaterHours) {
    const auto location = locationWith("UTC", kTenLocal, {0, 1, 2, 3, 4, 5}, 11);
    const HourlyRows rows = HourlyRows::build(*location, true);
    ASSERT_EQ(rows.rows().size(), 11u);  // 10:00 and 11:00 high resolution, then 12:00 to 20:00
    EXPECT_TRUE(std::dynamic_pointer_cast<QOVHiRadHourlyForecast>(rows.rows()[0]));
    EXPECT_TRUE(std::dynamic_pointer_cast<QOVHiRadHourlyForecast>(rows.rows()[1]));
    EXPECT_FALSE(std::dynamic_pointer_cast<QOVHiRadHourlyForecast>(rows.rows()[2]));
    EXPECT_EQ(rows.rows()[2]->date()->secondsSince1970, kTenLocal + 2 * kHour);
    EXPECT_EQ(rows.groupFor(*rows.rows()[0]).size(), 4u);
    EXPECT_EQ(rows.groupFor(*rows.rows()[1]).size(), 2u);
    EXPECT_TRUE(rows.groupFor(*rows.rows()[2]).empty());
}

TEST(HourlyRowsTest, TheTopOfTheHourIsTheLocationsInAHalfHourZone) {
    // 04:30 UTC is 10:00 in Kolkata: the rows start there, not at 05:00 UTC.
    const double tenInKolkata = kTenLocal - 5.5 * kHour;
    const auto location = locationWith("Asia/Kolkata", tenInKolkata, {0, 1, 2, 3, 4}, 6);
    const HourlyRows rows = HourlyRows::build(*location, true);
    EXPECT_EQ(datesOf(rows.rows()),
              (std::vector<double>{tenInKolkata, tenInKolkata + kHour, tenInKolkata + 2 * kHour,
                                   tenInKolkata + 3 * kHour, tenInKolkata + 4 * kHour, tenInKolkata + 5 * kHour}));
    EXPECT_EQ(rows.groupFor(*rows.rows()[1]).size(), 1u);
}

TEST(HourlyRowsTest, HoursFollowTheLastQuarterHourRowByDateNotByPosition) {
    // The hourly list starts two hours before the high-resolution one: by position the 10:00 and 11:00 hours
    // would be dropped and 08:00 shown after 11:00.
    auto location = locationWith("UTC", kTenLocal, {0, 4}, 0);
    QOVLocation::HourlyList hourly;
    for (int hour = -2; hour < 4; ++hour) {
        hourly.push_back(forecastAt<QOVHourlyForecast>(kTenLocal + hour * kHour));
    }
    location->setHourlyForecasts(hourly);
    EXPECT_EQ(datesOf(HourlyRows::build(*location, true).rows()),
              (std::vector<double>{kTenLocal, kTenLocal + kHour, kTenLocal + 2 * kHour, kTenLocal + 3 * kHour}));
}

TEST(HourlyRowsTest, WithoutHighResolutionTheRowsAreTheHours) {
    const auto location = locationWith("UTC", kTenLocal, {0, 1, 4}, 5);
    const HourlyRows rows = HourlyRows::build(*location, false);
    EXPECT_EQ(rows.rows(), *location->hourlyForecasts());
    EXPECT_TRUE(rows.groupFor(*rows.rows()[0]).empty());
    location->setHiRadHourlyForecasts(std::nullopt);
    EXPECT_EQ(HourlyRows::build(*location, true).rows().size(), 5u);
}

}  // namespace
}  // namespace qov
