#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/base/RunLoop.h"
#include "tests/support/ManualClockFixture.h"

namespace platform {
namespace {

class TimerTest : public qovtest::ManualClockFixture {
protected:
    // Seconds since the test's start.
    double elapsed() const { return clock()->now().timeIntervalSince(m_start); }

    const Date m_start = clock()->now();
};

TEST_F(TimerTest, FiresOnlyWhileTheLoopRunsAndNotBeforeItsDate) {
    int fires = 0;
    const auto timer = loop().scheduleTimer(1.0, false, [&](Timer&) { ++fires; });
    advance(0.999);
    EXPECT_EQ(fires, 0);
    clock()->advance(5.0);
    EXPECT_EQ(fires, 0);
    EXPECT_TRUE(timer->isValid());

    loop().runUntilIdle();
    EXPECT_EQ(fires, 1);
    EXPECT_FALSE(timer->isValid());
}

// From inside its own callback, from an earlier timer due at the same time, or from outside: an invalidated timer
// fires no more and lets its callback go.
TEST_F(TimerTest, AnInvalidatedTimerNeverFiresAgainAndReleasesItsCallback) {
    int fires = 0;
    const auto repeating = loop().scheduleTimer(1.0, true, [&](Timer& self) {
        if (++fires == 3) {
            self.invalidate();
        }
    });
    bool secondFired = false;
    std::shared_ptr<Timer> second;
    loop().scheduleTimer(1.0, false, [&](Timer&) { second->invalidate(); });
    second = loop().scheduleTimer(1.0, false, [&](Timer&) { secondFired = true; });
    auto captured = std::make_shared<int>(0);
    loop().scheduleTimer(1.0, true, [captured](Timer&) { ++*captured; })->invalidate();
    EXPECT_EQ(captured.use_count(), 1);  // a callback that captures its owner no longer keeps it alive

    advance(10.0);
    EXPECT_EQ(fires, 3);
    EXPECT_FALSE(repeating->isValid());
    EXPECT_FALSE(secondFired);
    EXPECT_EQ(*captured, 0);
    EXPECT_EQ(loop().timerCount(), 0u);
}

// In fire-date order, timers due together in the order they were scheduled, with the clock at each fire date.
TEST_F(TimerTest, TimersScheduledByTimersDuringAnAdvanceFireInOrder) {
    std::vector<std::pair<std::string, double>> fired;
    loop().scheduleTimer(3.5, false, [&](Timer&) { fired.emplace_back("between", elapsed()); });
    loop().scheduleTimer(1.0, false, [&](Timer&) {
        fired.emplace_back("first", elapsed());
        loop().scheduleTimer(2.0, false, [&](Timer&) {
            fired.emplace_back("second", elapsed());
            loop().scheduleTimer(1.0, false, [&](Timer&) { fired.emplace_back("third", elapsed()); });
            loop().scheduleTimer(7.5, false, [&](Timer&) { fired.emplace_back("late", elapsed()); });
        });
    });
    loop().scheduleTimer(1.0, false, [&](Timer&) { fired.emplace_back("first again", elapsed()); });

    advance(10.0);
    const std::vector<std::pair<std::string, double>> expected{
        {"first", 1.0}, {"first again", 1.0}, {"second", 3.0}, {"between", 3.5}, {"third", 4.0}};
    EXPECT_EQ(fired, expected);
    EXPECT_DOUBLE_EQ(elapsed(), 10.0);

    advance(0.25);
    EXPECT_EQ(fired.size(), 5u);
    advance(0.25);
    ASSERT_EQ(fired.size(), 6u);
    EXPECT_EQ(fired.back(), std::make_pair(std::string("late"), 10.5));
    EXPECT_EQ(loop().timerCount(), 0u);
}

TEST_F(TimerTest, PostedWorkRunsBetweenTimers) {
    std::vector<std::string> order;
    loop().scheduleTimer(1.0, false, [&](Timer&) {
        order.push_back("timer 1");
        loop().post([&] { order.push_back("work from timer 1"); });
    });
    loop().scheduleTimer(1.0, false, [&](Timer&) { order.push_back("timer 2"); });
    loop().scheduleTimer(2.0, false, [&](Timer&) { order.push_back("timer 3"); });
    advance(5.0);
    EXPECT_EQ(order, (std::vector<std::string>{"timer 1", "work from timer 1", "timer 2", "timer 3"}));
}

TEST_F(TimerTest, RepeatingTimerKeepsItsCadenceOverALongAdvance) {
    std::vector<double> fireTimes;
    const auto timer = loop().scheduleTimer(900.0, true, [&](Timer&) { fireTimes.push_back(elapsed()); });
    advance(10 * 3600.0);
    ASSERT_EQ(fireTimes.size(), 40u);
    for (std::size_t index = 0; index < fireTimes.size(); ++index) {
        EXPECT_DOUBLE_EQ(fireTimes[index], 900.0 * static_cast<double>(index + 1));
    }
    EXPECT_DOUBLE_EQ(timer->fireDate().timeIntervalSince(m_start), 41 * 900.0);
    EXPECT_TRUE(timer->isValid());
}

TEST_F(TimerTest, RepeatingTimerThatFellBehindFiresOnceAndStaysOnItsGrid) {
    int fires = 0;
    const auto timer = loop().scheduleTimer(10.0, true, [&](Timer&) { ++fires; });
    clock()->advance(35.0);  // the loop did not run for three and a half intervals
    loop().runUntilIdle();
    EXPECT_EQ(fires, 1);
    EXPECT_DOUBLE_EQ(timer->fireDate().timeIntervalSince(m_start), 40.0);
}

TEST_F(TimerTest, ZeroIntervalRepeatingTimerDoesNotStallAnAdvance) {
    int fires = 0;
    loop().scheduleTimer(0.0, true, [&](Timer&) { ++fires; });
    advance(0.01);
    EXPECT_GT(fires, 0);
    EXPECT_EQ(clock()->now(), m_start.addingTimeInterval(0.01));
}

TEST_F(TimerTest, RunForAdvancesTheManualClockAndStopEndsItAtTheCurrentTimer) {
    int fires = 0;
    const auto timer = loop().scheduleTimer(2.0, true, [&](Timer&) { ++fires; });
    loop().runFor(7.0);
    EXPECT_EQ(fires, 3);
    EXPECT_DOUBLE_EQ(elapsed(), 7.0);
    timer->invalidate();
    loop().scheduleTimer(2.0, false, [&](Timer&) { loop().stop(); });
    loop().runFor(10.0);
    EXPECT_DOUBLE_EQ(elapsed(), 9.0);
}

}  // namespace
}  // namespace platform
