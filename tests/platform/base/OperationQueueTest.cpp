#include "platform/base/OperationQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <latch>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/base/RunLoop.h"
#include "tests/support/ManualClockFixture.h"

namespace platform {
namespace {

// Opens once; waiters pass from then on.
class Gate {
public:
    void open() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_opened.notify_all();  // under the lock: a waiter may destroy the gate as soon as it passes
    }
    void wait() {
        std::unique_lock lock(m_mutex);
        m_opened.wait(lock, [this] { return m_open; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_opened;
    bool m_open = false;
};

class TestOperation : public Operation {
public:
    using Body = std::function<void(TestOperation&)>;

    TestOperation(Body body, std::function<void()> completed, Dictionary userInfo)
        : Operation(std::move(userInfo)), m_body(std::move(body)), m_completed(std::move(completed)) {}

    void cancel() override {
        Operation::cancel();
        cancelled.open();
    }

    std::function<void(TestOperation&)> onComplete;  // main thread
    Gate cancelled;
    std::atomic<bool> mainRan = false;
    std::atomic<bool> mainRanOnMainThread = false;
    int completions = 0;
    bool completedOnMainThread = false;

protected:
    void main() override {
        mainRan = true;
        mainRanOnMainThread = isMainThread();
        if (m_body) {
            m_body(*this);
        }
    }

    void completeOnMainThread() override {
        ++completions;
        completedOnMainThread = isMainThread();
        if (onComplete) {
            onComplete(*this);
        }
        m_completed();
    }

private:
    Body m_body;
    std::function<void()> m_completed;
};

class OperationQueueTest : public qovtest::ManualClockFixture {
protected:
    std::shared_ptr<TestOperation> makeOperation(TestOperation::Body body = {}, Dictionary userInfo = {}) {
        return std::make_shared<TestOperation>(
            std::move(body),
            [this] {
                if (++m_completions == m_awaited) {
                    loop().stop();
                }
            },
            std::move(userInfo));
    }

    // Runs the main loop until that many completions (counted over the whole test) have run.
    void runUntilCompletions(int total) {
        m_awaited = total;
        if (m_completions < total) {
            loop().run();
        }
        EXPECT_EQ(m_completions, total);
    }

    int m_concurrentCompletions = 0;

private:
    int m_completions = 0;
    int m_awaited = -1;
};

TEST_F(OperationQueueTest, CompletionRunsOnTheMainLoopAndOnlyThenIsTheOperationFinished) {
    OperationQueue queue;
    Gate started;
    Gate release;
    const auto operation = makeOperation(
        [&](TestOperation&) {
            started.open();
            release.wait();
        },
        {{"key", "value"}});
    operation->onComplete = [&](TestOperation& self) {
        EXPECT_FALSE(self.isExecuting());
        EXPECT_FALSE(self.isFinished());
        EXPECT_EQ(queue.operationCount(), 1u);
    };
    queue.addOperation(operation);
    started.wait();

    EXPECT_TRUE(operation->isExecuting());
    EXPECT_FALSE(operation->isFinished());
    const auto snapshot = queue.operations();
    ASSERT_EQ(snapshot.size(), 1u);
    EXPECT_EQ(snapshot.front(), operation);
    EXPECT_EQ(snapshot.front()->userInfo().at("key"), Value("value"));

    release.open();
    runUntilCompletions(1);
    EXPECT_TRUE(operation->isFinished());
    EXPECT_TRUE(queue.operations().empty());
    EXPECT_FALSE(operation->mainRanOnMainThread);
    EXPECT_TRUE(operation->completedOnMainThread);
    EXPECT_EQ(operation->completions, 1);
}

TEST_F(OperationQueueTest, OperationsStartInTheOrderTheyWereAdded) {
    OperationQueue queue(1);
    std::mutex mutex;
    std::vector<int> started;
    std::vector<int> completed;
    for (int index = 0; index < 5; ++index) {
        auto operation = makeOperation([&, index](TestOperation&) {
            std::lock_guard lock(mutex);
            started.push_back(index);
        });
        operation->onComplete = [&, index](TestOperation&) { completed.push_back(index); };
        queue.addOperation(operation);
    }
    runUntilCompletions(5);
    EXPECT_EQ(started, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(completed, started);
}

TEST_F(OperationQueueTest, HigherPrioritiesStartFirstAndEqualOnesInOrder) {
    OperationQueue queue(0);
    std::mutex mutex;
    std::vector<int> started;
    const std::vector<int> priorities{0, 2, 0, 5, 2};
    for (int index = 0; index < 5; ++index) {
        auto operation = makeOperation([&, index](TestOperation&) {
            std::lock_guard lock(mutex);
            started.push_back(index);
        });
        operation->setQueuePriority(priorities[static_cast<std::size_t>(index)]);
        queue.addOperation(operation);
    }
    queue.setMaxConcurrentOperationCount(1);
    runUntilCompletions(5);
    EXPECT_EQ(started, (std::vector<int>{3, 1, 4, 0, 2}));
}

// Starts its work and returns; the work ends when the test says so.
class ConcurrentOperation : public TestOperation {
public:
    using TestOperation::TestOperation;
    bool isConcurrent() const override { return true; }
    using Operation::finishConcurrent;
};

TEST_F(OperationQueueTest, AConcurrentOperationHoldsNoWorkerAndFinishesOnce) {
    OperationQueue queue(1);
    const auto waiting = std::make_shared<ConcurrentOperation>(
        TestOperation::Body{},
        [this] {
            if (++m_concurrentCompletions == 2) {
                loop().stop();
            }
        },
        Dictionary{});
    // Finished from inside its own main(), before the worker is done with it.
    const auto quick = std::make_shared<ConcurrentOperation>(
        [](TestOperation& self) { static_cast<ConcurrentOperation&>(self).finishConcurrent(); },
        [this] {
            if (++m_concurrentCompletions == 2) {
                loop().stop();
            }
        },
        Dictionary{});
    Gate ran;
    const auto after = makeOperation([&](TestOperation&) { ran.open(); });
    queue.addOperation(waiting);
    queue.addOperation(quick);
    queue.addOperation(after);
    ran.wait();  // the one worker got past the unfinished concurrent operation
    EXPECT_TRUE(waiting->isExecuting());
    EXPECT_FALSE(waiting->isFinished());
    runUntilCompletions(1);
    waiting->finishConcurrent();
    waiting->finishConcurrent();
    loop().run();
    EXPECT_EQ(m_concurrentCompletions, 2);
    EXPECT_TRUE(waiting->isFinished());
    EXPECT_FALSE(waiting->isExecuting());
    EXPECT_EQ(waiting->completions, 1);
    EXPECT_EQ(quick->completions, 1);
    EXPECT_TRUE(queue.operations().empty());
}

TEST_F(OperationQueueTest, NoMoreThanTheWidthRunAtOnce) {
    OperationQueue queue(2);
    std::mutex mutex;
    int running = 0;
    int mostRunning = 0;
    int startedCount = 0;
    Gate twoStarted;
    Gate release;
    std::vector<std::shared_ptr<TestOperation>> operations;
    for (int index = 0; index < 6; ++index) {
        operations.push_back(makeOperation([&](TestOperation&) {
            {
                std::lock_guard lock(mutex);
                mostRunning = std::max(mostRunning, ++running);
                if (++startedCount == 2) {
                    twoStarted.open();
                }
            }
            release.wait();
            std::lock_guard lock(mutex);
            --running;
        }));
        queue.addOperation(operations.back());
    }
    twoStarted.wait();
    const auto executing = std::count_if(operations.begin(), operations.end(),
                                         [](const auto& operation) { return operation->isExecuting(); });
    EXPECT_EQ(executing, 2);
    EXPECT_EQ(queue.operationCount(), 6u);

    release.open();
    runUntilCompletions(6);
    EXPECT_EQ(mostRunning, 2);
}

TEST_F(OperationQueueTest, WidthZeroHoldsOperationsUntilRaisedAndTheDefaultRunsFourAtOnce) {
    OperationQueue queue(0);
    // Four operations that each wait for all four finish only when four run at once.
    std::latch allRunning(4);
    std::vector<std::shared_ptr<TestOperation>> operations;
    for (int index = 0; index < 4; ++index) {
        operations.push_back(makeOperation([&](TestOperation&) { allRunning.arrive_and_wait(); }));
        queue.addOperation(operations.back());
    }
    EXPECT_FALSE(operations.front()->isExecuting());
    queue.setMaxConcurrentOperationCount(OperationQueue::kDefaultMaxConcurrentOperationCount);
    EXPECT_EQ(OperationQueue().maxConcurrentOperationCount(), 4);
    runUntilCompletions(4);
}

TEST_F(OperationQueueTest, CancelBeforeStartSkipsMainButStillCompletes) {
    OperationQueue queue(1);
    Gate blockerStarted;
    Gate release;
    const auto blocker = makeOperation([&](TestOperation&) {
        blockerStarted.open();
        release.wait();
    });
    const auto waiting = makeOperation();
    waiting->onComplete = [&](TestOperation& self) {
        EXPECT_FALSE(self.isFinished());
        EXPECT_EQ(queue.operationCount(), 2u);
    };
    queue.addOperation(blocker);
    queue.addOperation(waiting);
    blockerStarted.wait();

    std::thread([&] { waiting->cancel(); }).join();
    runUntilCompletions(1);  // while the blocker still holds the only slot
    EXPECT_FALSE(waiting->mainRan);
    EXPECT_TRUE(waiting->isCancelled());
    EXPECT_TRUE(waiting->isFinished());
    EXPECT_EQ(queue.operations(), (std::vector<std::shared_ptr<Operation>>{blocker}));

    release.open();
    runUntilCompletions(2);
    EXPECT_TRUE(blocker->mainRan);
    EXPECT_EQ(waiting->completions, 1);

    const auto early = makeOperation();  // cancelled before it is even added
    early->cancel();
    queue.addOperation(early);
    EXPECT_EQ(queue.operationCount(), 1u);
    runUntilCompletions(3);
    EXPECT_FALSE(early->mainRan);
    EXPECT_TRUE(early->isFinished());
}

// The running operation sees the cancel in main() and still completes; the waiting ones never start.
TEST_F(OperationQueueTest, CancelAllOperationsEndsRunningAndWaitingOnes) {
    OperationQueue queue(1);
    Gate started;
    std::atomic<bool> sawCancel = false;
    const auto running = makeOperation([&](TestOperation& self) {
        started.open();
        self.cancelled.wait();
        sawCancel = self.isCancelled();
    });
    const auto second = makeOperation();
    const auto third = makeOperation();
    queue.addOperation(running);
    queue.addOperation(second);
    queue.addOperation(third);
    started.wait();

    queue.cancelAllOperations();
    runUntilCompletions(3);
    EXPECT_TRUE(sawCancel);
    EXPECT_TRUE(running->isFinished());
    EXPECT_FALSE(second->mainRan);
    EXPECT_FALSE(third->mainRan);
    EXPECT_TRUE(queue.operations().empty());
}

TEST_F(OperationQueueTest, AnOperationIsAddedOnlyOnce) {
    OperationQueue queue;
    OperationQueue other;
    const auto operation = makeOperation();
    queue.addOperation(operation);
    queue.addOperation(operation);
    other.addOperation(operation);
    EXPECT_EQ(queue.operationCount(), 1u);
    EXPECT_EQ(other.operationCount(), 0u);
    runUntilCompletions(1);
    EXPECT_EQ(operation->completions, 1);
    EXPECT_EQ(loop().runUntilIdle(), 0u);
}

TEST_F(OperationQueueTest, DestroyingTheQueueCancelsAndWaitsForRunningWorkAndDropsCompletions) {
    Gate started;
    const auto running = makeOperation([&](TestOperation& self) {
        started.open();
        self.cancelled.wait();
    });
    const auto waiting = makeOperation();
    {
        OperationQueue queue(1);
        queue.addOperation(running);
        queue.addOperation(waiting);
        started.wait();
    }
    EXPECT_TRUE(running->isCancelled());
    EXPECT_FALSE(running->isExecuting());
    EXPECT_FALSE(waiting->mainRan);

    loop().runUntilIdle();
    EXPECT_EQ(running->completions, 0);
    EXPECT_EQ(waiting->completions, 0);
    EXPECT_FALSE(running->isFinished());
}

TEST_F(OperationQueueTest, TheQueueMayBeReleasedFromInsideItsOwnOperation) {
    auto queue = std::make_shared<OperationQueue>();
    std::shared_ptr<OperationQueue> lastOwner = queue;
    Gate released;
    const auto operation = makeOperation([&](TestOperation&) {
        lastOwner.reset();
        released.open();
    });
    queue->addOperation(operation);
    queue.reset();
    released.wait();
    EXPECT_TRUE(operation->mainRan);
    loop().runUntilIdle();
    EXPECT_EQ(operation->completions, 0);
}

}  // namespace
}  // namespace platform
