#include "sim/PlaceTime.h"

#include <gtest/gtest.h>

#include <cmath>

#include "sim/SunTimes.h"

namespace qovsim {
namespace {

constexpr double kSummerNoonUtc = 1782043200.0;  // 2026-06-21 12:00 UTC
constexpr long long kMidsummerDay = 20625;       // 2026-06-21

TEST(PlaceTimeTest, OffsetsFollowDaylightSavingAndHalfHourZones) {
    PlaceTime newYork("America/New_York");
    EXPECT_EQ(newYork.offsetSeconds(kSummerNoonUtc), -4 * 3600);
    EXPECT_EQ(newYork.offsetSeconds(1768485600.0), -5 * 3600);  // January
    EXPECT_EQ(PlaceTime("Asia/Kolkata").offsetSeconds(kSummerNoonUtc), 5 * 3600 + 1800);
    EXPECT_EQ(PlaceTime("Australia/Adelaide").offsetSeconds(1768485600.0), 10 * 3600 + 1800);
    EXPECT_EQ(PlaceTime("No/Such_Zone").offsetSeconds(kSummerNoonUtc), 0);
}

TEST(PlaceTimeTest, LocalDaysAndClockTimes) {
    PlaceTime newYork("America/New_York");
    // 2026-06-21 02:00 UTC is still 20 June in New York.
    EXPECT_EQ(newYork.dayNumber(kSummerNoonUtc - 10 * 3600), kMidsummerDay - 1);
    EXPECT_EQ(newYork.dayNumber(kSummerNoonUtc), kMidsummerDay);
    EXPECT_DOUBLE_EQ(newYork.instantAt(kMidsummerDay, 8.0), kSummerNoonUtc);
    EXPECT_DOUBLE_EQ(newYork.localMidnight(kSummerNoonUtc), kSummerNoonUtc - 8 * 3600);
    // 2026-03-08 is the spring-forward day: 07:00 local is 11:00 UTC, two hours after 00:00 local + 5 h.
    EXPECT_DOUBLE_EQ(newYork.instantAt(20520, 7.0), 20520 * 86400.0 + 11 * 3600);
    EXPECT_DOUBLE_EQ(newYork.instantAt(20520, 0.0), 20520 * 86400.0 + 5 * 3600);
}

TEST(PlaceTimeTest, CivilCalendar) {
    auto date = PlaceTime::civilDate(kMidsummerDay);
    EXPECT_EQ(date.month, 6);
    EXPECT_EQ(date.day, 21);
    EXPECT_EQ(PlaceTime::dayOfYear(11016), 60);  // 2000-02-29
    EXPECT_EQ(PlaceTime::dayOfYear(11017), 61);  // 2000-03-01, leap year
    EXPECT_STREQ(PlaceTime::weekdayName(kMidsummerDay), "Sunday");
    EXPECT_STREQ(PlaceTime::weekdayName(-1), "Wednesday");
}

TEST(SunTimesTest, MatchesPublishedTimesWithinMinutes) {
    // Atlanta on 21 June 2026: sunrise 06:26 EDT (10:26 UTC), sunset 20:52 EDT (00:52 UTC).
    SunTimes atlanta = SunTimes::forDay(kMidsummerDay, 33.749, -84.388);
    EXPECT_NEAR(atlanta.sunrise, kMidsummerDay * 86400.0 + 10 * 3600 + 26 * 60, 300);
    EXPECT_NEAR(atlanta.sunset, (kMidsummerDay + 1) * 86400.0 + 52 * 60, 300);
    // Sydney the same day: sunrise 07:00 AEST (21:00 UTC the day before), sunset 16:54 AEST.
    SunTimes sydney = SunTimes::forDay(kMidsummerDay, -33.8688, 151.2093);
    EXPECT_NEAR(sydney.sunrise, kMidsummerDay * 86400.0 - 3 * 3600, 300);
    EXPECT_NEAR(sydney.sunset, kMidsummerDay * 86400.0 + 6 * 3600 + 54 * 60, 300);
    EXPECT_LT(sydney.sunset - sydney.sunrise, atlanta.sunset - atlanta.sunrise);
}

TEST(SunTimesTest, PolarDaysStayOrdered) {
    SunTimes polarNight = SunTimes::forDay(20440, 80.0, 15.0);  // late December
    EXPECT_DOUBLE_EQ(polarNight.sunrise, polarNight.sunset);
    SunTimes midnightSun = SunTimes::forDay(kMidsummerDay, 80.0, 15.0);
    EXPECT_NEAR(midnightSun.sunset - midnightSun.sunrise, 86400.0, 1.0);
}

}  // namespace
}  // namespace qovsim
