#include "platform/base/DecimalNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace platform {
namespace {

TEST(DecimalNumberTest, IntegersAreExactAtTheirExtremes) {
    EXPECT_EQ(DecimalNumber::fromInteger(std::numeric_limits<std::int64_t>::min()).stringValue(),
              "-9223372036854775808");
    EXPECT_EQ(DecimalNumber::fromUnsignedInteger(std::numeric_limits<std::uint64_t>::max()).stringValue(),
              "18446744073709551615");
}

TEST(DecimalNumberTest, FloatingValuesTakeTheirShortestDecimalText) {
    EXPECT_EQ(DecimalNumber::fromDouble(0.1).stringValue(), "0.1");
    EXPECT_EQ(DecimalNumber::fromFloat(0.1F).stringValue(), "0.1");
    EXPECT_EQ(DecimalNumber::fromDouble(-2.5e-7).stringValue(), "-0.00000025");
    EXPECT_EQ(DecimalNumber::fromDouble(1e21).stringValue(), "1000000000000000000000");
    EXPECT_EQ(DecimalNumber::fromDouble(-0.0).stringValue(), "0");
    EXPECT_DOUBLE_EQ(DecimalNumber::fromDouble(1234.5678).doubleValue(), 1234.5678);
}

TEST(DecimalNumberTest, NonFiniteValuesAreNotNumbers) {
    EXPECT_TRUE(DecimalNumber::fromDouble(std::numeric_limits<double>::infinity()).isNaN());
    EXPECT_TRUE(std::isnan(DecimalNumber::fromFloat(std::nanf("")).doubleValue()));
}

}  // namespace
}  // namespace platform
