#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/base/Value.h"

namespace platform {

class RunLoop;

// A unit of work for an OperationQueue. main() runs on a worker thread; completeOnMainThread() then runs on
// the main run loop. The operation counts as unfinished until that completion has run, also when cancelled.
// A concurrent operation's main() only starts its work (on the main loop, say) and returns, so the worker is free
// for the next operation; it stays executing, and at work for hasOperationsAtWorkInProcess(), until it calls
// finishConcurrent().
class Operation : public std::enable_shared_from_this<Operation> {
public:
    explicit Operation(Dictionary userInfo = {});
    virtual ~Operation();

    const Dictionary& userInfo() const { return m_userInfo; }
    virtual bool isConcurrent() const { return false; }
    // Of the waiting operations of a queue, those of the highest priority start first (0 by default; among
    // equals, the first added).
    int queuePriority() const;
    void setQueuePriority(int priority);

    // Any thread. A cancelled operation that has not started never runs main(); a running one should
    // notice isCancelled() and return early. Either way its completion still runs on the main loop.
    virtual void cancel();
    bool isCancelled() const;
    bool isExecuting() const;
    bool isFinished() const;

protected:
    // Worker thread.
    virtual void main() = 0;
    // Main loop, after main() returned (a concurrent operation: after it finished) or after the operation was
    // cancelled before starting.
    virtual void completeOnMainThread() {}
    // Any thread, once (later calls do nothing): a concurrent operation's work is over, also when cancelled.
    void finishConcurrent();

private:
    friend class OperationQueue;
    struct State;
    Dictionary m_userInfo;
    std::shared_ptr<State> m_state;
};

// Runs operations on background threads, at most maxConcurrentOperationCount at once (4 by default;
// -1 also means the default), by priority and then in the order they were added. A concurrent operation holds a
// worker only while its main() runs.
class OperationQueue {
public:
    static constexpr int kDefaultMaxConcurrentOperationCount = -1;

    explicit OperationQueue(int maxConcurrentOperationCount = kDefaultMaxConcurrentOperationCount);
    // Cancels what is left and waits for running work; completions not yet run are dropped.
    ~OperationQueue();
    OperationQueue(const OperationQueue&) = delete;
    OperationQueue& operator=(const OperationQueue&) = delete;

    int maxConcurrentOperationCount() const;
    void setMaxConcurrentOperationCount(int count);

    void addOperation(std::shared_ptr<Operation> operation);
    // Any thread. A snapshot of the operations not yet finished, in the order they were added.
    std::vector<std::shared_ptr<Operation>> operations() const;
    std::size_t operationCount() const;
    // Any thread.
    void cancelAllOperations();

    // Any thread. Whether any queue of the process has an operation waiting for a worker, running on one or
    // handed over by a concurrent main(), whose completion is still to be posted to the main loop (the main
    // loop's virtual waits let such work land before moving the clock; a completion already posted is the
    // loop's own work).
    static bool hasOperationsAtWorkInProcess();

private:
    friend class Operation;
    struct Impl;
    std::shared_ptr<Impl> m_impl;
};

}  // namespace platform
