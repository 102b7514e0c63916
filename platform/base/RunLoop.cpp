#include "platform/base/RunLoop.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

#include "platform/base/Log.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

// A repeating timer needs some interval, or advancing the clock would never end.
constexpr double kMinimumRepeatInterval = 0.0001;
// The longest single wait; the loop then looks again (keeps far deadlines clear of duration overflow).
constexpr double kLongestWaitSeconds = 60.0;

ProcessSlot<RunLoop>& mainSlot() {
    static ProcessSlot<RunLoop> slot;
    return slot;
}

std::shared_ptr<RunLoop> mainLoop() {
    return mainSlot().instance([] { return std::make_shared<RunLoop>(Clock::shared()); });
}

// Fixed threads that take work in posting order. The process pool is never destroyed: its threads end with
// the process, so a job still waiting at exit cannot hold the exit up.
class ThreadPool {
public:
    // allDone runs on the worker whose job left the pool without work.
    ThreadPool(unsigned count, std::function<void()> allDone) : m_allDone(std::move(allDone)) {
        for (unsigned index = 0; index < count; ++index) {
            std::thread([this] { work(); }).detach();
        }
    }

    void async(std::function<void()> job) {
        {
            std::lock_guard lock(m_mutex);
            m_jobs.push_back(std::move(job));
            ++m_atWork;
        }
        m_wake.notify_one();
    }

    bool hasWork() {
        std::lock_guard lock(m_mutex);
        return m_atWork > 0;
    }

private:
    [[noreturn]] void work() {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return !m_jobs.empty(); });
                job = std::move(m_jobs.front());
                m_jobs.pop_front();
            }
            job();
            job = nullptr;  // what it holds goes before the job counts as done
            bool allDone = false;
            {
                std::lock_guard lock(m_mutex);
                allDone = --m_atWork == 0;
            }
            if (allDone) {
                m_allDone();
            }
        }
    }

    const std::function<void()> m_allDone;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    std::size_t m_atWork = 0;  // waiting or running
};

ThreadPool& globalPool() {
    // A job's posts come before its end, so a virtual wait that saw them still finds the pool at work: the end
    // wakes the main loop to look again.
    static NeverDestroyed<ThreadPool> pool(std::clamp(std::thread::hardware_concurrency(), 2U, 4U), [] {
        if (const auto loop = mainSlot().current()) {
            loop->wake();
        }
    });
    return *pool;
}

}  // namespace

// ---- Timer

Timer::Timer(double interval, bool repeats, Date fireDate, Callback callback, std::uint64_t sequence)
    : m_interval(interval),
      m_repeats(repeats),
      m_callback(std::move(callback)),
      m_fireDate(fireDate),
      m_sequence(sequence) {}

void Timer::invalidate() {
    Callback released;  // destroyed after the lock is dropped: its captures may touch this timer
    std::lock_guard lock(m_mutex);
    m_valid = false;
    released = std::move(m_callback);
    m_callback = nullptr;
}

bool Timer::isValid() const {
    std::lock_guard lock(m_mutex);
    return m_valid;
}

Date Timer::fireDate() const {
    std::lock_guard lock(m_mutex);
    return m_fireDate;
}

// ---- RunLoop

struct RunLoop::Impl {
    std::thread::id thread = std::this_thread::get_id();
    mutable std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> queue;
    std::vector<std::shared_ptr<Timer>> timers;
    std::uint64_t nextSequence = 0;
    std::uint64_t wakeups = 0;  // bumped by every post, timer and stop, so a waiting loop re-checks
    bool stopRequested = false;
    std::size_t endsNoticedLate = 0;

    // Under mutex. The valid timer that fires first (ties go to the older one); forgets invalidated ones.
    std::shared_ptr<Timer> earliestTimer() {
        std::erase_if(timers, [](const std::shared_ptr<Timer>& timer) { return !timer->isValid(); });
        std::shared_ptr<Timer> earliest;
        Date earliestDate;
        for (const auto& timer : timers) {
            const Date date = timer->fireDate();
            const bool older = earliest && date == earliestDate && timer->m_sequence < earliest->m_sequence;
            if (!earliest || date < earliestDate || older) {
                earliest = timer;
                earliestDate = date;
            }
        }
        return earliest;
    }
};

RunLoop::RunLoop(std::shared_ptr<Clock> clock) : m_impl(std::make_unique<Impl>()), m_clock(std::move(clock)) {
    if (!m_clock) {
        m_clock = std::make_shared<SystemClock>();
    }
}

RunLoop::~RunLoop() {
    // Release queued work and timer callbacks outside the lock: their destructors may post to this loop.
    std::deque<std::function<void()>> queue;
    std::vector<std::shared_ptr<Timer>> timers;
    {
        std::lock_guard lock(m_impl->mutex);
        queue.swap(m_impl->queue);
        timers.swap(m_impl->timers);
    }
    for (const auto& timer : timers) {
        timer->invalidate();
    }
}

RunLoop& RunLoop::main() { return *mainLoop(); }

void RunLoop::resetMain(std::shared_ptr<Clock> clock) {
    Clock::setShared(clock);
    auto fresh = std::make_shared<RunLoop>(std::move(clock));
    const auto previous = mainSlot().exchange(std::move(fresh));
    // The previous loop (and its pending work) goes away here, outside the lock.
}

bool RunLoop::isLoopThread() const { return std::this_thread::get_id() == m_impl->thread; }

bool RunLoop::checkLoopThread(const char* operation) const {
    if (isLoopThread()) {
        return true;
    }
    QOV_LOG_ERROR("RunLoop::{} called off the loop thread; ignored", operation);
    return false;
}

void RunLoop::post(std::function<void()> work) {
    if (!work) {
        return;
    }
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->queue.push_back(std::move(work));
        ++m_impl->wakeups;
    }
    m_impl->wake.notify_all();
}

std::shared_ptr<Timer> RunLoop::scheduleTimer(double interval, bool repeats, Timer::Callback callback) {
    if (!std::isfinite(interval) || interval < 0.0) {
        interval = 0.0;
    }
    if (repeats) {
        interval = std::max(interval, kMinimumRepeatInterval);
    }
    const Date fireDate = m_clock->now().addingTimeInterval(interval);
    std::shared_ptr<Timer> timer;
    {
        std::lock_guard lock(m_impl->mutex);
        timer.reset(new Timer(interval, repeats, fireDate, std::move(callback), m_impl->nextSequence++));
        m_impl->timers.push_back(timer);
        ++m_impl->wakeups;
    }
    m_impl->wake.notify_all();
    return timer;
}

std::size_t RunLoop::timerCount() const {
    std::lock_guard lock(m_impl->mutex);
    const auto valid = [](const std::shared_ptr<Timer>& timer) { return timer->isValid(); };
    return static_cast<std::size_t>(std::count_if(m_impl->timers.begin(), m_impl->timers.end(), valid));
}

bool RunLoop::runNext() {
    std::function<void()> work;
    std::shared_ptr<Timer> timer;
    {
        std::lock_guard lock(m_impl->mutex);
        if (!m_impl->queue.empty()) {
            work = std::move(m_impl->queue.front());
            m_impl->queue.pop_front();
        } else {
            timer = m_impl->earliestTimer();
            if (timer && timer->fireDate() > m_clock->now()) {
                timer.reset();
            }
        }
    }
    if (work) {
        work();
        return true;
    }
    if (timer) {
        fire(timer);
        return true;
    }
    return false;
}

void RunLoop::fire(const std::shared_ptr<Timer>& timer) {
    Timer::Callback callback;
    {
        std::lock_guard lock(timer->m_mutex);
        if (!timer->m_valid) {
            return;
        }
        // A copy: the callback may invalidate its timer, which releases the stored one.
        callback = timer->m_callback;
        if (timer->m_repeats) {
            // The next fire counts from this fire date; fires missed while the loop was busy are skipped.
            Date next = timer->m_fireDate.addingTimeInterval(timer->m_interval);
            const Date now = m_clock->now();
            if (next <= now) {
                const double missed = std::floor(now.timeIntervalSince(timer->m_fireDate) / timer->m_interval);
                next = timer->m_fireDate.addingTimeInterval((missed + 1.0) * timer->m_interval);
            }
            timer->m_fireDate = next;
        }
    }
    if (!timer->m_repeats) {
        std::lock_guard lock(m_impl->mutex);
        std::erase(m_impl->timers, timer);
    }
    if (callback) {
        callback(*timer);
    }
    if (!timer->m_repeats) {
        timer->invalidate();
    }
}

std::optional<Date> RunLoop::nextFireDate() const {
    std::lock_guard lock(m_impl->mutex);
    if (const auto timer = m_impl->earliestTimer()) {
        return timer->fireDate();
    }
    return std::nullopt;
}

bool RunLoop::consumeStop() {
    std::lock_guard lock(m_impl->mutex);
    return std::exchange(m_impl->stopRequested, false);
}

void RunLoop::wake() {
    {
        std::lock_guard lock(m_impl->mutex);
        ++m_impl->wakeups;
    }
    m_impl->wake.notify_all();
}

std::size_t RunLoop::outstandingEndsNoticedLate() const {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->endsNoticedLate;
}

void RunLoop::stop() {
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->stopRequested = true;
        ++m_impl->wakeups;
    }
    m_impl->wake.notify_all();
}

std::size_t RunLoop::runUntilIdle() {
    if (!checkLoopThread("runUntilIdle")) {
        return 0;
    }
    std::size_t count = 0;
    while (runNext()) {
        ++count;
    }
    return count;
}

void RunLoop::waitForWork(std::optional<Date> deadline) {
    std::unique_lock lock(m_impl->mutex);
    if (!m_impl->queue.empty() || m_impl->stopRequested) {
        return;
    }
    const std::uint64_t seen = m_impl->wakeups;
    const auto woken = [this, seen] { return m_impl->wakeups != seen; };
    if (m_clock->isManual()) {
        m_impl->wake.wait(lock, woken);
        return;
    }
    std::optional<Date> until = deadline;
    if (const auto timer = m_impl->earliestTimer()) {
        const Date fireDate = timer->fireDate();
        if (!until || fireDate < *until) {
            until = fireDate;
        }
    }
    if (!until) {
        m_impl->wake.wait(lock, woken);
        return;
    }
    const double seconds = std::min(until->timeIntervalSince(m_clock->now()), kLongestWaitSeconds);
    if (seconds > 0.0) {
        m_impl->wake.wait_for(lock, std::chrono::duration<double>(seconds), woken);
    }
}

void RunLoop::run() {
    if (!checkLoopThread("run")) {
        return;
    }
    while (!consumeStop()) {
        if (!runNext()) {
            waitForWork(std::nullopt);
        }
    }
}

void RunLoop::runFor(double seconds) {
    if (!checkLoopThread("runFor")) {
        return;
    }
    if (m_clock->isManual()) {
        advanceManual(seconds, true);
        return;
    }
    const Date deadline = m_clock->now().addingTimeInterval(std::isnan(seconds) ? 0.0 : seconds);
    while (!consumeStop()) {
        const bool ran = runNext();
        if (m_clock->now() >= deadline) {
            return;
        }
        if (!ran) {
            waitForWork(deadline);
        }
    }
}

bool RunLoop::runUntil(double seconds, const std::function<bool()>& done, double outstandingGraceSeconds) {
    if (!checkLoopThread("runUntil")) {
        return false;
    }
    const auto isDone = [&done] { return done && done(); };
    seconds = std::isnan(seconds) || seconds < 0.0 ? 0.0 : seconds;
    if (auto* clock = dynamic_cast<ManualClock*>(m_clock.get())) {
        return runUntilOnManualClock(*clock, seconds, done, outstandingGraceSeconds);
    }
    const Date deadline = m_clock->now().addingTimeInterval(seconds);
    for (;;) {
        if (isDone()) {
            return true;
        }
        if (consumeStop() || m_clock->now() >= deadline) {
            return false;
        }
        if (!runNext()) {
            waitForWork(deadline);
        }
    }
}

bool RunLoop::runUntilOnManualClock(ManualClock& clock, double seconds, const std::function<bool()>& done,
                                    double outstandingGraceSeconds) {
    enum class Drained { Idle, Done, Stopped };
    const auto drain = [this, &done] {
        for (;;) {
            if (done && done()) {
                return Drained::Done;
            }
            if (consumeStop()) {
                return Drained::Stopped;
            }
            if (!runNext()) {
                return Drained::Idle;
            }
        }
    };
    const auto outstanding = [] {
        return OperationQueue::hasOperationsAtWorkInProcess() || GlobalQueue::hasWorkInProcess();
    };
    // Lets the work of other threads land before the clock moves on. The wake-ups are counted before each look,
    // so work that ends (posting, or waking the loop) between the look and the wait cuts the wait short.
    const auto awaitOutstanding = [&] {
        const auto graceEnd = std::chrono::steady_clock::now() +
                              std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                  std::chrono::duration<double>(std::max(0.0, outstandingGraceSeconds)));
        for (;;) {
            const std::uint64_t seen = wakeupCount();
            if (!outstanding() || std::chrono::steady_clock::now() >= graceEnd) {
                return Drained::Idle;
            }
            // Short slices: a queue that is torn down drops its work without posting anything.
            const bool woken = waitForWakeup(
                seen, std::min(graceEnd, std::chrono::steady_clock::now() + std::chrono::milliseconds(50)));
            if (!woken && !outstanding()) {
                std::lock_guard lock(m_impl->mutex);
                ++m_impl->endsNoticedLate;
            }
            if (const Drained state = drain(); state != Drained::Idle) {
                return state;
            }
        }
    };
    const Date target = clock.now().addingTimeInterval(seconds);
    for (;;) {
        Drained state = drain();
        if (state == Drained::Idle) {
            state = awaitOutstanding();
        }
        if (state != Drained::Idle) {
            return state == Drained::Done;
        }
        const auto next = nextFireDate();
        if (!next || *next > target) {
            break;
        }
        if (*next > clock.now()) {
            clock.set(*next);
        }
    }
    if (clock.now() < target) {
        clock.set(target);
    }
    return drain() == Drained::Done;
}

std::uint64_t RunLoop::wakeupCount() const {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->wakeups;
}

bool RunLoop::waitForWakeup(std::uint64_t seen, std::chrono::steady_clock::time_point until) {
    std::unique_lock lock(m_impl->mutex);
    const auto woken = [this, seen] {
        return m_impl->wakeups != seen || !m_impl->queue.empty() || m_impl->stopRequested;
    };
    return m_impl->wake.wait_until(lock, until, woken);
}

void RunLoop::advance(double seconds) {
    if (!checkLoopThread("advance")) {
        return;
    }
    advanceManual(seconds, false);
}

void RunLoop::advanceManual(double seconds, bool honourStop) {
    auto* clock = dynamic_cast<ManualClock*>(m_clock.get());
    if (!clock) {
        QOV_LOG_ERROR("RunLoop::advance needs a manual clock; ignored");
        return;
    }
    const Date target = clock->now().addingTimeInterval(seconds > 0.0 ? seconds : 0.0);
    // Runs everything ready at the clock's present time; false when stop() ended it.
    const auto drain = [this, honourStop] {
        for (;;) {
            if (honourStop && consumeStop()) {
                return false;
            }
            if (!runNext()) {
                return true;
            }
        }
    };
    for (;;) {
        if (!drain()) {
            return;
        }
        const auto next = nextFireDate();
        if (!next || *next > target) {
            break;
        }
        if (*next > clock->now()) {
            clock->set(*next);
        }
    }
    if (clock->now() < target) {
        clock->set(target);
    }
    drain();
}

// ---- Free functions

bool isMainThread() { return mainLoop()->isLoopThread(); }

void dispatchMain(std::function<void()> work) { mainLoop()->post(std::move(work)); }

void GlobalQueue::async(std::function<void()> work) {
    if (!work) {
        return;
    }
    globalPool().async(std::move(work));
}

bool GlobalQueue::hasWorkInProcess() { return globalPool().hasWork(); }

}  // namespace platform
