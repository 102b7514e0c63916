#include "app/shell/weather/BeachTideMatch.h"

#include <gtest/gtest.h>

#include "tests/app/shell/weather/LocationBuilder.h"

namespace qov {
namespace {

using qovtest::periodAt;
using qovtest::tideAt;

constexpr double kNoonUtc = 1'800'014'400.0;  // 2027-01-15 12:00 UTC
constexpr double kHour = 3600.0;

TEST(BeachTideMatchTest, TidesOfThePeriodsNameAndDayInTheLocationsZone) {
    // Los Angeles is UTC-8: noon UTC is 04:00 there ("Night"), 20:00 UTC is 12:00 ("Morning").
    const std::vector<std::shared_ptr<QOVTide>> tides = {
        tideAt(kNoonUtc, true, 1.2),                // Jan 15 04:00 Night
        tideAt(kNoonUtc + 8 * kHour, false, 5.1),   // Jan 15 12:00 Morning
        tideAt(kNoonUtc + 6 * kHour, true, 0.4),    // Jan 15 10:00 Morning
        tideAt(kNoonUtc + 32 * kHour, false, 4.9),  // Jan 16 12:00 Morning, another day
    };
    const auto morning = periodAt(kNoonUtc + 4 * kHour, "Morning");
    const auto matched = BeachTideMatch::tidesFor(*morning, tides, std::string("America/Los_Angeles"));
    ASSERT_EQ(matched.size(), 2u);
    EXPECT_EQ(matched[0], tides[1]);
    EXPECT_EQ(matched[1], tides[2]);
    // The tides keep the names they had (none): naming is computed, not stored.
    EXPECT_EQ(tides[1]->name(), "");
    // In UTC the same tides fall into other periods: only the noon tide is in the morning.
    EXPECT_EQ(BeachTideMatch::tidesFor(*morning, tides, std::string("UTC")),
              std::vector<std::shared_ptr<QOVTide>>{tides[0]});
    EXPECT_TRUE(BeachTideMatch::tidesFor(*periodAt(kNoonUtc, "Afternoon"), {}, std::nullopt).empty());
}

}  // namespace
}  // namespace qov
