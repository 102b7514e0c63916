#include "platform/format/DateFormatter.h"

#include <gtest/gtest.h>

#include "platform/format/DeviceTimeZone.h"
#include "platform/format/NumberFormatter.h"

namespace platform {
namespace {

// 2027-01-15 20:00:00 UTC.
constexpr Date kEvening{1'800'043'200.0};

TEST(DateFormatterTest, WritesThePatternInTheZoneGiven) {
    struct Case {
        const char* zone;
        const char* expected;
    };
    const Case cases[] = {
        {"UTC", "Fri, Jan 15 8:00 PM"},
        {"America/New_York", "Fri, Jan 15 3:00 PM"},
        {"Asia/Kolkata", "Sat, Jan 16 1:30 AM"},  // half-hour zone, already the next day there
        {"Australia/Adelaide", "Sat, Jan 16 6:30 AM"},
        {"Not/AZone", "Fri, Jan 15 8:00 PM"},  // unknown names format in UTC
    };
    DateFormatter formatter;
    formatter.setLocale("en_US");
    formatter.setDateFormat("EEE, MMM d h:mm a");
    for (const Case& c : cases) {
        formatter.setTimeZone(c.zone);
        EXPECT_EQ(formatter.stringFromDate(kEvening), c.expected) << c.zone;
    }
    EXPECT_EQ(formatter.stringFromDate(std::optional<Date>()), "");
}

TEST(DateFormatterTest, FollowsTheDeviceZoneWhenNoneIsSet) {
    DeviceTimeZone::setOverride("Asia/Kolkata");
    DateFormatter formatter;
    formatter.setLocale("en_US");
    formatter.setDateFormat("HH:mm");
    EXPECT_EQ(formatter.stringFromDate(kEvening), "01:30");
    DeviceTimeZone::clearOverride();
}

TEST(NumberFormatterTest, WritesAtMostTwoFractionDigits) {
    NumberFormatter numbers;
    numbers.setLocale("en_US");
    numbers.setPositiveFormat("#0.##");
    EXPECT_EQ(numbers.stringFromNumber(3.5 * 0.3048), "1.07");
    EXPECT_EQ(numbers.stringFromNumber(0.0), "0");
    EXPECT_EQ(numbers.stringFromNumber(-2.004), "-2");
    numbers.setLocale("de_DE");
    EXPECT_EQ(numbers.stringFromNumber(3.5), "3,5");
}

}  // namespace
}  // namespace platform
