#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "platform/base/Clock.h"
#include "platform/base/RunLoop.h"

namespace qovtest {

// Base of every test that runs on the main loop: each test gets a fresh ManualClock (also the process
// clock), a fresh main RunLoop on the test thread and a default NotificationCenter without observers.
// Afterwards the main loop is replaced by one on the system clock (pending work is dropped) and the
// observers are forgotten.
class ManualClockFixture : public ::testing::Test {
protected:
    ManualClockFixture();
    ~ManualClockFixture() override;

    // Shared, so it can be handed to anything that takes a clock.
    const std::shared_ptr<platform::ManualClock>& clock() const { return m_clock; }
    platform::RunLoop& loop() const { return platform::RunLoop::main(); }
    // Moves the clock forward, firing due timers and running posted work (RunLoop::advance).
    void advance(double seconds) const { loop().advance(seconds); }

private:
    std::shared_ptr<platform::ManualClock> m_clock;
};

}  // namespace qovtest
