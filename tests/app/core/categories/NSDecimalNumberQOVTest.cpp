#include "app/core/categories/NSDecimalNumberQOV.h"

#include <gtest/gtest.h>

#include <limits>

namespace qov {
namespace {

TEST(NSDecimalNumberQOVTest, EachScalarKeepsItsValueAndSign) {
    EXPECT_EQ(NSDecimalNumberQOV::decimalNumberWithChar(-128).stringValue(), "-128");
    EXPECT_EQ(NSDecimalNumberQOV::decimalNumberWithUnsignedChar(255).stringValue(), "255");
    EXPECT_EQ(NSDecimalNumberQOV::decimalNumberWithUnsignedLongLong(std::numeric_limits<unsigned long long>::max())
                  .stringValue(),
              "18446744073709551615");
    EXPECT_EQ(NSDecimalNumberQOV::decimalNumberWithFloat(72.3F).stringValue(), "72.3");
    EXPECT_EQ(NSDecimalNumberQOV::decimalNumberWithDouble(72.3).stringValue(), "72.3");
}

}  // namespace
}  // namespace qov
