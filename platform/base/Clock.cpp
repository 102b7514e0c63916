#include "platform/base/Clock.h"

#include <chrono>

#include "platform/base/ProcessInstance.h"

namespace platform {

namespace {

ProcessSlot<Clock>& sharedClock() {
    static ProcessSlot<Clock> slot;
    return slot;
}

}  // namespace

std::shared_ptr<Clock> Clock::shared() {
    return sharedClock().instance([]() -> std::shared_ptr<Clock> { return std::make_shared<SystemClock>(); });
}

void Clock::setShared(std::shared_ptr<Clock> clock) { sharedClock().exchange(std::move(clock)); }

Date SystemClock::now() const {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return Date{std::chrono::duration<double>(sinceEpoch).count()};
}

ManualClock::ManualClock(Date start) : m_now(start.secondsSince1970) {}

Date ManualClock::now() const { return Date{m_now.load()}; }

void ManualClock::set(Date date) { m_now.store(date.secondsSince1970); }

void ManualClock::advance(double seconds) {
    double current = m_now.load();
    while (!m_now.compare_exchange_weak(current, current + seconds)) {
    }
}

}  // namespace platform
