#include "platform/base/NumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace platform {
namespace {

constexpr auto kLongMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kLongMin = std::numeric_limits<std::int64_t>::min();

TEST(NumberTextTest, IntegersAreTheLeadingDigitsWithTheirSignAndSaturate) {
    EXPECT_EQ(longFromText("  42 minutes"), 42);
    EXPECT_EQ(longFromText("\t-17.9"), -17);
    EXPECT_EQ(longFromText("+8"), 8);
    EXPECT_EQ(longFromText("1700000000000"), 1700000000000);
    EXPECT_EQ(longFromText("9223372036854775807"), kLongMax);
    EXPECT_EQ(longFromText("99999999999999999999999"), kLongMax);
    EXPECT_EQ(longFromText("-9223372036854775808"), kLongMin);
    EXPECT_EQ(longFromText("-99999999999999999999999"), kLongMin);
    for (const char* none : {"", "  ", "x12", "--3", "+-3", "- 3"}) {
        EXPECT_EQ(longFromText(none), 0) << none;
    }
    EXPECT_EQ(integerFromText("3000000000"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(integerFromText("-3000000000"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(integerFromText(" 270"), 270);
}

TEST(NumberTextTest, DecimalsAreReadTheSameInEveryLocaleWithoutHexOrInfinities) {
    EXPECT_EQ(leadingDouble(" 71.6F"), 71.6);
    EXPECT_EQ(leadingDouble("+2.5e3"), 2500.0);
    EXPECT_EQ(leadingDouble("-0.25,3"), -0.25);
    EXPECT_EQ(leadingDouble("0x1A"), 0.0);  // the zero before the x; no hexadecimal
    for (const char* none : {"", "x", "inf", "-infinity", "nan", "1e400", "+-1", ",5"}) {
        EXPECT_FALSE(leadingDouble(none)) << none;
        EXPECT_EQ(doubleFromText(none), 0.0) << none;
    }
    EXPECT_EQ(doubleFromText("1799996400000"), 1799996400000.0);
}

}  // namespace
}  // namespace platform
