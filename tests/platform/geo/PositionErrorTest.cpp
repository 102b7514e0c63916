#include "platform/geo/PositionError.h"

#include <gtest/gtest.h>

namespace platform::geo {
namespace {

TEST(PositionErrorTest, CodesOfTheLocationDomain) {
    EXPECT_EQ(PositionError::locationUnknown().domain(), "kCLErrorDomain");
    EXPECT_EQ(PositionError::locationUnknown().code(), 0);
    EXPECT_EQ(PositionError::denied().domain(), "kCLErrorDomain");
    EXPECT_EQ(PositionError::denied().code(), 1);
    EXPECT_FALSE(PositionError::denied().localizedDescription().empty());
}

}  // namespace
}  // namespace platform::geo
