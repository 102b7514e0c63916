#pragma once

#include <atomic>

#include "platform/base/Clock.h"

namespace qovcli {

// The device display's clock: real time, which the person at the display can move forward (the display's clock
// buttons) to see what the application does later without waiting. Thread-safe. After jump() the main loop
// must be woken (a post) so that timers now due fire.
class DisplayClock final : public platform::Clock {
public:
    platform::Date now() const override;
    // Moves the clock forward by seconds (negative or not finite: no move).
    void jump(double seconds);
    // How far the clock is ahead of real time, in seconds.
    double ahead() const { return m_ahead.load(); }

private:
    platform::SystemClock m_realTime;
    std::atomic<double> m_ahead{0.0};
};

}  // namespace qovcli
