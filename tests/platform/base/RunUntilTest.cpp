#include <cmath>

#include <gtest/gtest.h>

#include "platform/base/RunLoop.h"
#include "tests/support/ManualClockFixture.h"

namespace platform {
namespace {

using RunUntilTest = qovtest::ManualClockFixture;

TEST_F(RunUntilTest, OnAManualClockTimersFireInOrderUntilDoneOrTheVirtualTimeIsUp) {
    std::vector<double> fired;
    const Date start = clock()->now();
    for (double at : {3.0, 1.0, 2.0}) {
        loop().scheduleTimer(at, false, [&](Timer&) { fired.push_back(clock()->now().timeIntervalSince(start)); });
    }
    EXPECT_TRUE(loop().runUntil(600.0, [&] { return fired.size() == 2; }));
    EXPECT_EQ(fired, (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(clock()->now().timeIntervalSince(start), 2.0) << "the clock stops where the work was done";

    EXPECT_FALSE(loop().runUntil(600.0));
    EXPECT_EQ(fired.size(), 3U);
    EXPECT_EQ(clock()->now().timeIntervalSince(start), 602.0);
    loop().runUntil(std::nan(""));
    EXPECT_EQ(clock()->now().timeIntervalSince(start), 602.0);
}

}  // namespace
}  // namespace platform
