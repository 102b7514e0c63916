#include "platform/geo/Coordinate.h"

#include <gtest/gtest.h>

#include <limits>

namespace platform::geo {
namespace {

TEST(CoordinateTest, ValidityCoversTheRangesAndRefusesNaN) {
    EXPECT_TRUE((Coordinate{90.0, 180.0}.isValid()));
    EXPECT_TRUE((Coordinate{-90.0, -180.0}.isValid()));
    EXPECT_FALSE((Coordinate{90.0001, 0.0}.isValid()));
    EXPECT_FALSE((Coordinate{0.0, -180.0001}.isValid()));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE((Coordinate{nan, 0.0}.isValid()));
    EXPECT_FALSE((Coordinate{0.0, nan}.isValid()));
    EXPECT_FALSE((Coordinate{0.0, std::numeric_limits<double>::infinity()}.isValid()));
}

}  // namespace
}  // namespace platform::geo
