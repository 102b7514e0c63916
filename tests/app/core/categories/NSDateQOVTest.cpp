#include "app/core/categories/NSDateQOV.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/core/model/QOVLocation.h"
#include "platform/base/Clock.h"
#include "platform/storage/LocaleSource.h"

namespace qov {
namespace {

class NSDateQOVTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = platform::Clock::shared();
        // 2027-01-15 10:30:00 UTC.
        m_clock = std::make_shared<platform::ManualClock>(platform::Date{1'800'009'000.0});
        platform::Clock::setShared(m_clock);
    }
    void TearDown() override {
        platform::Clock::setShared(m_previous);
        platform::LocaleSource::clearOverride();
    }

    std::shared_ptr<platform::ManualClock> m_clock;

private:
    std::shared_ptr<platform::Clock> m_previous;
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
    m_clock->set(platform::Date{1'800'007'199.9});  // 09:59:59.9 UTC
    EXPECT_EQ(NSDateQOV::currentHourForTimeZoneOffset(0), 9);
    m_clock->set(platform::Date{-1.0});  // 1969-12-31 23:59:59 UTC
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
