#include "app/core/categories/NSDateQOV.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/core/model/QOVLocation.h"
#include "platform/storage/LocaleSource.h"
#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

// 2027-01-15 10:30:00 UTC.
class NSDateQOVTest : public qovtest::ManualClockFixture {
protected:
    NSDateQOVTest() { clock()->set(platform::Date{1'800'009'000.0}); }
    ~NSDateQOVTest() override { platform::LocaleSource::clearOverride(); }
};

TEST_F(NSDateQOVTest, HourAtTheLocationsOffset) {
    QOVLocation location;
    for (const auto& [offset, hour] : {std::pair{0.0, 10}, {-5.0, 5}, {14.0, 0}, {-11.0, 23}, {5.5, 16}, {-10.5, 0}}) {
        location.setTimeZoneOffset(offset);
        EXPECT_EQ(NSDateQOV::currentHourForLocation(location), hour) << offset;
    }
}

TEST_F(NSDateQOVTest, HourBoundariesWithLocaleDigitsThatDoNotMatter) {
    platform::LocaleSource::setOverride("ar_EG", {"ar"});
    clock()->set(platform::Date{1'800'007'199.9});  // 09:59:59.9 UTC
    EXPECT_EQ(NSDateQOV::currentHourForTimeZoneOffset(0), 9);
    clock()->set(platform::Date{-1.0});  // 1969-12-31 23:59:59 UTC
    EXPECT_EQ(NSDateQOV::currentHourForTimeZoneOffset(0), 23);
}

TEST_F(NSDateQOVTest, AbsurdOffsetsStayWithinTheDay) {
    for (const double offset : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::infinity(), 1e6 + 0.25}) {
        const int hour = NSDateQOV::currentHourForTimeZoneOffset(offset);
        EXPECT_GE(hour, 0) << offset;
        EXPECT_LE(hour, 23) << offset;
    }
    EXPECT_EQ(NSDateQOV::currentHourForTimeZoneOffset(std::numeric_limits<double>::quiet_NaN()), 10);
}

}  // namespace
}  // namespace qov
