#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

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

TEST_F(RunUntilTest, WorkOnTheGlobalQueueLandsBeforeTheClockMovesOn) {
    // Decoding an answer on the global queue is how the older map's series list reaches the screen.
    std::vector<std::string> events;
    const Date start = clock()->now();
    const auto at = [&] { return std::to_string(clock()->now().timeIntervalSince(start)); };
    loop().scheduleTimer(10.0, false, [&](Timer&) { events.push_back("timer at " + at()); });
    for (int job = 0; job < 3; ++job) {
        GlobalQueue::async([&, job] {
            std::vector<int> work(1 << 16, job);
            const int total = std::accumulate(work.begin(), work.end(), 0);
            dispatchMain([&, total] { events.push_back("decoded " + std::to_string(total) + " at " + at()); });
        });
    }

    EXPECT_FALSE(loop().runUntil(30.0));
    std::sort(events.begin(), events.begin() + std::min<std::ptrdiff_t>(3, std::ssize(events)));
    EXPECT_EQ(events, (std::vector<std::string>{"decoded 0 at 0.000000", "decoded 131072 at 0.000000",
                                                "decoded 65536 at 0.000000", "timer at 10.000000"}));
    EXPECT_FALSE(GlobalQueue::hasWorkInProcess());
}

TEST_F(RunUntilTest, TheEndOfGlobalQueueWorkWakesAVirtualWaitAtOnce) {
    // A decoding job posts its result, then returns: the loop has seen the result while the pool was still at
    // work, so it waits, and the job's end must wake it rather than a real-time slice running out.
    constexpr int kJobs = 20;
    int landed = 0;
    for (int job = 0; job < kJobs; ++job) {
        std::mutex mutex;
        std::condition_variable resultSeen;
        bool seen = false;
        GlobalQueue::async([&] {
            dispatchMain([&] {
                ++landed;
                std::lock_guard lock(mutex);
                seen = true;
                resultSeen.notify_all();
            });
            std::unique_lock lock(mutex);
            resultSeen.wait(lock, [&] { return seen; });
        });
        loop().runUntil(300.0);
        EXPECT_FALSE(GlobalQueue::hasWorkInProcess());
    }
    EXPECT_EQ(landed, kJobs);
    EXPECT_EQ(loop().outstandingEndsNoticedLate(), 0U);
}

class CountedOperation : public Operation {
public:
    explicit CountedOperation(int& completions) : m_completions(completions) {}

private:
    void main() override {}
    void completeOnMainThread() override { ++m_completions; }
    int& m_completions;
};

TEST_F(RunUntilTest, AnOperationsCompletionLandsInTheVirtualWaitThatSawItAtWork) {
    // A waiting loop looks at the queues whenever it is woken (here all the time, as by other threads' posts): an
    // operation must count as at work until its completion is posted, or a look in between moves the clock on
    // without it.
    std::atomic<bool> done = false;
    std::thread waker([&] {
        while (!done) {
            loop().wake();
        }
    });
    OperationQueue queue;
    int completions = 0;
    int missed = 0;
    for (int round = 1; round <= 300; ++round) {
        queue.addOperation(std::make_shared<CountedOperation>(completions));
        loop().runUntil(1.0);
        missed += completions == round ? 0 : 1;
        loop().runUntil(0.0, [&] { return completions == round; });
    }
    done = true;
    waker.join();
    EXPECT_EQ(missed, 0);
}

}  // namespace
}  // namespace platform
