#include <cmath>
#include <thread>

#include <gtest/gtest.h>

#include "platform/base/OperationQueue.h"
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

class QuickOperation : public Operation {
    void main() override {}
};

TEST_F(RunUntilTest, WorkWhoseCompletionWasPostedToAnotherLoopHoldsNoVirtualWaitUp) {
    OperationQueue queue;
    queue.addOperation(std::make_shared<QuickOperation>());
    while (OperationQueue::hasOperationsAtWorkInProcess()) {
        std::this_thread::yield();
    }
    RunLoop::resetMain(clock());  // the posted completion goes with the old loop
    const Date start = clock()->now();
    EXPECT_FALSE(loop().runUntil(600.0, {}, 3600.0)) << "a wait for it would outlast the test's time-out";
    EXPECT_EQ(clock()->now().timeIntervalSince(start), 600.0);
}

}  // namespace
}  // namespace platform
