#include "platform/base/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ManualClockFixture.h"

namespace platform {
namespace {

using RunLoopTest = qovtest::ManualClockFixture;

// Posts never run inline; one posted from within a post runs after everything already queued.
TEST_F(RunLoopTest, APostFromWithinAPostRunsAfterEverythingAlreadyQueued) {
    std::vector<std::string> order;
    loop().post([&] {
        order.push_back("a");
        loop().post([&] {
            order.push_back("a.1");
            dispatchMain([&] { order.push_back("a.1.1"); });
        });
    });
    loop().post([&] {
        order.push_back("b");
        loop().post([&] { order.push_back("b.1"); });
    });
    loop().post([&] { order.push_back("c"); });
    EXPECT_TRUE(order.empty());

    EXPECT_EQ(loop().runUntilIdle(), 6u);
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c", "a.1", "b.1", "a.1.1"}));
}

TEST_F(RunLoopTest, PostsFromOtherThreadsRunOnTheLoopThreadInEachThreadsOrder) {
    constexpr int kThreads = 4;
    constexpr int kPostsPerThread = 200;
    std::vector<std::vector<int>> received(kThreads);
    std::atomic<bool> offLoopThread = false;
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([&, thread] {
            for (int index = 0; index < kPostsPerThread; ++index) {
                dispatchMain([&, thread, index] {
                    offLoopThread = offLoopThread || !isMainThread();
                    received[static_cast<std::size_t>(thread)].push_back(index);
                });
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(loop().runUntilIdle(), static_cast<std::size_t>(kThreads * kPostsPerThread));
    EXPECT_FALSE(offLoopThread);
    for (const auto& fromThread : received) {
        ASSERT_EQ(fromThread.size(), static_cast<std::size_t>(kPostsPerThread));
        for (int index = 0; index < kPostsPerThread; ++index) {
            EXPECT_EQ(fromThread[static_cast<std::size_t>(index)], index);
        }
    }
}

TEST_F(RunLoopTest, StopEndsRunAfterTheCurrentItemAndAStopBeforeRunReturnsAtOnce) {
    std::vector<int> order;
    loop().post([&] {
        order.push_back(1);
        loop().stop();
    });
    loop().post([&] { order.push_back(2); });
    loop().run();
    EXPECT_EQ(order, (std::vector<int>{1}));
    loop().stop();
    loop().run();
    EXPECT_EQ(order, (std::vector<int>{1}));
    EXPECT_EQ(loop().runUntilIdle(), 1u);
}

TEST_F(RunLoopTest, RunForOnTheSystemClockReturnsWhenStopped) {
    RunLoop realTime(std::make_shared<SystemClock>());
    bool fired = false;
    realTime.scheduleTimer(0.001, false, [&](Timer&) {
        fired = true;
        realTime.stop();
    });
    realTime.runFor(60.0);
    EXPECT_TRUE(fired);
}

// run() waits for the work the jobs post from their threads until stopped.
TEST_F(RunLoopTest, GlobalQueueRunsWorkConcurrentlyOffTheMainThread) {
    // Each job waits for the other, which only works with at least two threads.
    std::latch bothRunning(2);
    std::atomic<int> onMainThread = 0;
    int finished = 0;
    for (int job = 0; job < 2; ++job) {
        GlobalQueue::async([&] {
            onMainThread += isMainThread() ? 1 : 0;
            bothRunning.arrive_and_wait();
            dispatchMain([&] {
                if (++finished == 2) {
                    RunLoop::main().stop();
                }
            });
        });
    }
    loop().run();
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(onMainThread, 0);
}

TEST_F(RunLoopTest, DestroyingALoopDropsItsPendingWorkAndInvalidatesItsTimers) {
    auto captured = std::make_shared<int>(0);
    std::shared_ptr<Timer> timer;
    {
        RunLoop other(clock());
        other.post([captured] { ++*captured; });
        timer = other.scheduleTimer(1.0, true, [](Timer&) {});
        EXPECT_EQ(captured.use_count(), 2);
    }
    EXPECT_EQ(captured.use_count(), 1);
    EXPECT_EQ(*captured, 0);
    EXPECT_FALSE(timer->isValid());
}

TEST_F(RunLoopTest, DrivingTheLoopFromAnotherThreadIsRefused) {
    bool ran = false;
    loop().post([&] { ran = true; });
    std::size_t count = 99;
    std::thread([&] { count = loop().runUntilIdle(); }).join();
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace platform
