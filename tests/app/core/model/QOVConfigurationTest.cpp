#include "app/core/model/LocalCalendar.h"
#include "app/core/model/QOVConfigurableApplicationTab.h"
#include "app/core/model/QOVConfiguration.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Image.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using QOVConfigurationTest = qovtest::ManualClockTest;

TEST(LocalCalendarTest, StartOfDayIsLocalMidnight) {
    struct Case {
        const char* zone;
        double expected;  // kFixtureTime is 2027-01-15 08:00:00 UTC
    };
    for (const auto& [zone, expected] : {Case{"UTC", qovtest::kFixtureTime - 8 * 3600},
                                         Case{"Pacific/Honolulu", qovtest::kFixtureTime - 22 * 3600},  // still the 14th
                                         Case{"Asia/Kolkata", qovtest::kFixtureTime - 13.5 * 3600},
                                         Case{"No/SuchZone", qovtest::kFixtureTime - 8 * 3600}}) {
        EXPECT_EQ(LocalCalendar::startOfDay(platform::Date{qovtest::kFixtureTime}, zone).secondsSince1970, expected)
            << zone;
    }
}

TEST_F(QOVConfigurationTest, StaleFromTheFirstMidnightAfterLoading) {
    const std::string zone = LocalCalendar::deviceTimeZoneName();
    const platform::Date midnight = LocalCalendar::startOfDay(clock()->now(), zone);
    clock()->set(midnight);
    const QOVConfiguration loadedAtMidnight("weather");
    clock()->set(midnight.addingTimeInterval(86340.0));  // 23:59
    const QOVConfiguration loadedAt2359("weather");
    EXPECT_FALSE(loadedAtMidnight.isStale());
    EXPECT_FALSE(loadedAt2359.isStale());
    clock()->set(LocalCalendar::startOfDay(midnight.addingTimeInterval(90000.0), zone));  // the next midnight
    EXPECT_TRUE(loadedAtMidnight.isStale());
    EXPECT_TRUE(loadedAt2359.isStale());
    EXPECT_TRUE(loadedAt2359.boolForConfigurationKey("anything"));
}

TEST_F(QOVConfigurationTest, ArchiveKeepsNameDateAndTabsWithTheirIcon) {
    QOVConfiguration configuration("weather");
    auto tab = std::make_shared<QOVConfigurableApplicationTab>();
    tab->setTitle("In Season");
    tab->setBaseIconURLString("http://icons.example/season");
    tab->setTargetURLFormat("http://season.example/?loc=%@");
    tab->setIcon(platform::gfx::BitmapContext(2, 2).makeImage());
    configuration.setInSeasonTab(tab);
    const auto restored = qovtest::faithfulRoundTrip(configuration);
    ASSERT_NE(restored, nullptr);
    ASSERT_NE(restored->inSeasonTab(), nullptr);
    EXPECT_NE(restored->inSeasonTab()->icon(), nullptr);
    // The key cannot add query fields or leave its place.
    EXPECT_EQ(restored->inSeasonTab()->urlForLocation(QOVLocationIdentity(1, "A&b=c/../d")),
              "http://season.example/?loc=A%26b%3Dc%2F..%2Fd:1");
    EXPECT_EQ(restored->onTVTab(), nullptr);
}

}  // namespace
}  // namespace qov
