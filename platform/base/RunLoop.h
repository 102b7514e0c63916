#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/base/Clock.h"
#include "platform/base/Date.h"

namespace platform {

class RunLoop;

// A one-shot or repeating timer on a run loop. It fires only while its loop runs (or advances a manual
// clock), and never after invalidate().
class Timer {
public:
    using Callback = std::function<void(Timer&)>;

    void invalidate();
    bool isValid() const;
    bool repeats() const { return m_repeats; }
    double timeInterval() const { return m_interval; }
    Date fireDate() const;

private:
    friend class RunLoop;
    Timer(double interval, bool repeats, Date fireDate, Callback callback, std::uint64_t sequence);

    const double m_interval;
    const bool m_repeats;
    Callback m_callback;
    mutable std::mutex m_mutex;
    Date m_fireDate;
    bool m_valid = true;
    std::uint64_t m_sequence;  // ties between equal fire dates go to the older timer
};

// The main run loop: a FIFO queue of work posted from any thread plus timers, driven on the main thread.
// A post made on the main thread always runs on a later turn, never inline.
class RunLoop {
public:
    explicit RunLoop(std::shared_ptr<Clock> clock);
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // The process's main loop, bound to the thread that first asked for it (or that resetMain() ran on).
    static RunLoop& main();
    // Tests: replace the main loop with a fresh one on the calling thread, using the given clock
    // (which also becomes the process clock).
    static void resetMain(std::shared_ptr<Clock> clock);

    const std::shared_ptr<Clock>& clock() const { return m_clock; }
    bool isLoopThread() const;

    // Any thread. Runs work on the loop thread on a later turn, in posting order.
    void post(std::function<void()> work);

    // Any thread. The timer first fires interval seconds from now; a repeating one then every interval.
    std::shared_ptr<Timer> scheduleTimer(double interval, bool repeats, Timer::Callback callback);

    // Loop thread only. Runs posted work and due timers until none is ready; answers how many ran.
    std::size_t runUntilIdle();
    // Loop thread only. Runs for the given seconds: with a manual clock this is advance(seconds),
    // otherwise it waits for work and timers in real time.
    void runFor(double seconds);
    // Loop thread only. Runs until done() holds (asked before each piece of work and after it), stop() is called
    // or the seconds pass; answers whether done() held (false when there is no done()). On a system clock the
    // wait is in real time. On a manual clock the seconds are virtual: timers fire in order as the clock moves to
    // them, and before each move the loop waits in real time (at most outstandingGraceSeconds each time) while an
    // operation queue of this process or the global queue has work waiting or running on its workers, running
    // what it posts. So work done on other threads (network transfers, decoding) lands at the virtual time it was
    // started, and a long virtual wait takes little real time.
    static constexpr double kOutstandingGraceSeconds = 15.0;
    bool runUntil(double seconds, const std::function<bool()>& done = {},
                  double outstandingGraceSeconds = kOutstandingGraceSeconds);
    // Loop thread only. Runs until stop() is called. With a manual clock it only waits for posted work;
    // timers come due when the clock is advanced.
    void run();
    // Any thread. Makes a waiting loop look again, as a post does, without giving it work: for work on other
    // threads that a virtual wait waits for and that ends without posting.
    void wake();
    // Any thread. Makes run() / runFor() return after the current item. A stop() that comes while neither
    // runs makes the next run() / runFor() return at once.
    void stop();
    // Loop thread only, manual clock only. Moves the clock forward, firing every timer that falls due,
    // in fire-date order (including timers scheduled by timers), running posted work between them.
    void advance(double seconds);

    // Number of valid scheduled timers (tests).
    std::size_t timerCount() const;
    // How often a virtual wait found the work it waited for ended only when a real-time slice ran out, not
    // when it ended (tests: every such end should wake the loop).
    std::size_t outstandingEndsNoticedLate() const;

private:
    struct Impl;

    bool checkLoopThread(const char* operation) const;
    // Runs the oldest posted work or, when none is queued, fires the earliest due timer.
    bool runNext();
    void fire(const std::shared_ptr<Timer>& timer);
    std::optional<Date> nextFireDate() const;
    bool consumeStop();
    // Waits until work is posted, a timer is scheduled, stop() is called or (system clock) the earlier of
    // the deadline and the next timer comes.
    void waitForWork(std::optional<Date> deadline);
    void advanceManual(double seconds, bool honourStop);
    bool runUntilOnManualClock(ManualClock& clock, double seconds, const std::function<bool()>& done,
                               double outstandingGraceSeconds);
    std::uint64_t wakeupCount() const;
    // Waits in real time until the wake-ups differ from seen (a post, a timer, stop() or wake()), work is queued
    // or stop() is pending, or the time comes; answers whether it was woken.
    bool waitForWakeup(std::uint64_t seen, std::chrono::steady_clock::time_point until);

    std::unique_ptr<Impl> m_impl;
    std::shared_ptr<Clock> m_clock;
};

// True on the main loop's thread.
bool isMainThread();

// Posts work to the main run loop (from any thread); it runs on a later turn.
void dispatchMain(std::function<void()> work);

// A small pool of background threads standing in for the global dispatch queue.
class GlobalQueue {
public:
    static void async(std::function<void()> work);
    // Any thread. Whether work was handed to the pool and has not returned yet (what it posts to the main loop
    // before returning is then the loop's own work). When the last job returns, the main loop is woken.
    static bool hasWorkInProcess();
};

}  // namespace platform
