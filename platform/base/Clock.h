#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "platform/base/Date.h"

namespace platform {

// Everything that asks "what time is it" asks a Clock. The process clock is the system clock unless a test
// installs a ManualClock with Clock::setShared().
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date now() const = 0;
    // A manual clock only moves when told to; timers then fire from RunLoop::advance().
    virtual bool isManual() const { return false; }

    static std::shared_ptr<Clock> shared();
    static void setShared(std::shared_ptr<Clock> clock);
};

class SystemClock final : public Clock {
public:
    Date now() const override;
};

class ManualClock final : public Clock {
public:
    explicit ManualClock(Date start = Date{1'800'000'000.0});

    Date now() const override;
    bool isManual() const override { return true; }

    void set(Date date);
    void advance(double seconds);

private:
    std::atomic<double> m_now;
};

}  // namespace platform
