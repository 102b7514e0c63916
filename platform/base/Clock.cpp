#include "platform/base/Clock.h"

#include <chrono>

namespace platform {

namespace {

std::mutex g_sharedClockMutex;
std::shared_ptr<Clock> g_sharedClock;

}  // namespace

std::shared_ptr<Clock> Clock::shared() {
    std::lock_guard lock(g_sharedClockMutex);
    if (!g_sharedClock) {
        g_sharedClock = std::make_shared<SystemClock>();
    }
    return g_sharedClock;
}

void Clock::setShared(std::shared_ptr<Clock> clock) {
    std::lock_guard lock(g_sharedClockMutex);
    g_sharedClock = std::move(clock);
}

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
