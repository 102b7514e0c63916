#include "platform/base/OperationQueue.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <thread>
#include <typeinfo>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

constexpr int kDefaultWidth = 4;

std::string nameOf(const Operation& operation) { return Object::unqualifiedTypeName(typeid(operation).name()); }

// Every queue of the process, for hasOperationsAtWorkInProcess().
struct Queues {
    std::mutex mutex;
    std::vector<std::weak_ptr<void>> list;  // each an OperationQueue::Impl
};

Queues& queues() {
    static NeverDestroyed<Queues> instance;
    return *instance;
}

}  // namespace

struct Operation::State {
    std::atomic<bool> cancelled{false};
    std::atomic<bool> executing{false};
    std::atomic<bool> finished{false};
    std::atomic<int> priority{0};
    std::mutex mutex;  // guards the four below
    bool added = false;
    std::weak_ptr<OperationQueue::Impl> queue;
    bool mainReturned = false;     // a concurrent operation's main() has returned
    bool finishRequested = false;  // it called finishConcurrent()
};

// Shared with the worker threads and the posted completions, so either may outlive the queue object.
struct OperationQueue::Impl : std::enable_shared_from_this<Impl> {
    mutable std::mutex mutex;
    std::condition_variable wake;
    int width = kDefaultWidth;
    std::deque<std::shared_ptr<Operation>> waiting;      // not started, in order of adding
    std::vector<std::shared_ptr<Operation>> unfinished;  // completion not yet run, in order of adding
    std::size_t running = 0;
    std::size_t atWork = 0;  // queued, running on a worker or handed over, completion not yet posted
    bool shuttingDown = false;
    std::vector<std::thread> workers;

    // Under mutex. Starts threads up to the width, but no more than there is work for.
    void startWorkers() {
        const std::size_t wanted = std::min(static_cast<std::size_t>(width), running + waiting.size());
        while (workers.size() < wanted) {
            workers.emplace_back([self = shared_from_this()] { self->work(); });
        }
    }

    void work() {
        for (;;) {
            std::shared_ptr<Operation> operation;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] {
                    return shuttingDown || (!waiting.empty() && running < static_cast<std::size_t>(width));
                });
                if (shuttingDown) {
                    return;
                }
                // The first of the highest priority.
                auto next = waiting.begin();
                for (auto each = waiting.begin(); each != waiting.end(); ++each) {
                    if ((*each)->queuePriority() > (*next)->queuePriority()) {
                        next = each;
                    }
                }
                operation = std::move(*next);
                waiting.erase(next);
                ++running;
            }
            execute(operation);
            {
                std::lock_guard lock(mutex);
                --running;
            }
            wake.notify_all();
        }
    }

    void execute(const std::shared_ptr<Operation>& operation) {
        bool handedOver = false;  // a concurrent operation that started finishes by itself
        if (!operation->isCancelled()) {
            operation->m_state->executing = true;
            bool threw = false;
            try {
                operation->main();
            } catch (const std::exception& error) {
                threw = true;
                QOV_LOG_ERROR("{} ended with an exception: {}", nameOf(*operation), error.what());
            }
            if (operation->isConcurrent() && !threw) {
                std::lock_guard lock(operation->m_state->mutex);
                operation->m_state->mainReturned = true;
                handedOver = !operation->m_state->finishRequested;
            }
            if (!handedOver) {
                operation->m_state->executing = false;
            }
        }
        if (!handedOver) {
            endWork(operation);
        }
    }

    // Any thread. A handed-over concurrent operation finished: it is no longer at work.
    void finishHandedOver(std::shared_ptr<Operation> operation) { endWork(std::move(operation)); }

    // Any thread. The operations' work has ended: their completions are posted before they stop counting as at
    // work, so a virtual wait that finds no work at work finds the completions queued; the end wakes the main loop
    // to look again.
    void endWork(std::shared_ptr<Operation> operation) {
        postCompletion(std::move(operation));
        {
            std::lock_guard lock(mutex);
            --atWork;
        }
        RunLoop::main().wake();
    }

    // Any thread. The operation's completion runs on the main loop unless the queue is gone by then.
    void postCompletion(std::shared_ptr<Operation> operation) {
        {
            std::lock_guard lock(mutex);
            if (shuttingDown) {
                return;
            }
        }
        dispatchMain([weakSelf = weak_from_this(), operation = std::move(operation)] {
            const auto self = weakSelf.lock();
            if (!self) {
                return;
            }
            {
                std::lock_guard lock(self->mutex);
                if (self->shuttingDown) {
                    return;
                }
            }
            operation->completeOnMainThread();
            operation->m_state->finished = true;
            std::lock_guard lock(self->mutex);
            std::erase(self->unfinished, operation);
        });
    }

    // Any thread. A cancelled operation that has not started leaves the line and completes at once.
    void cancelWaiting(const Operation* cancelled) {
        std::shared_ptr<Operation> operation;
        {
            std::lock_guard lock(mutex);
            const auto found = std::find_if(waiting.begin(), waiting.end(),
                                            [cancelled](const auto& each) { return each.get() == cancelled; });
            if (found == waiting.end()) {
                return;
            }
            operation = std::move(*found);
            waiting.erase(found);
        }
        endWork(std::move(operation));
    }
};

// ---- Operation

Operation::Operation(Dictionary userInfo) : m_userInfo(std::move(userInfo)), m_state(std::make_shared<State>()) {}

Operation::~Operation() = default;

void Operation::cancel() {
    m_state->cancelled = true;
    std::shared_ptr<OperationQueue::Impl> queue;
    {
        std::lock_guard lock(m_state->mutex);
        queue = m_state->queue.lock();
    }
    if (queue) {
        queue->cancelWaiting(this);
    }
}

void Operation::finishConcurrent() {
    std::shared_ptr<OperationQueue::Impl> queue;
    {
        std::lock_guard lock(m_state->mutex);
        if (m_state->finishRequested) {
            return;
        }
        m_state->finishRequested = true;
        if (!m_state->mainReturned) {
            return;  // the worker posts the completion when main() returns
        }
        queue = m_state->queue.lock();
    }
    m_state->executing = false;
    if (queue) {
        queue->finishHandedOver(shared_from_this());
    }
}

int Operation::queuePriority() const { return m_state->priority; }

void Operation::setQueuePriority(int priority) { m_state->priority = priority; }

bool Operation::isCancelled() const { return m_state->cancelled; }

bool Operation::isExecuting() const { return m_state->executing; }

bool Operation::isFinished() const { return m_state->finished; }

// ---- OperationQueue

OperationQueue::OperationQueue(int maxConcurrentOperationCount) : m_impl(std::make_shared<Impl>()) {
    setMaxConcurrentOperationCount(maxConcurrentOperationCount);
    Queues& all = queues();
    std::lock_guard lock(all.mutex);
    std::erase_if(all.list, [](const std::weak_ptr<void>& queue) { return queue.expired(); });
    all.list.push_back(m_impl);
}

bool OperationQueue::hasOperationsAtWorkInProcess() {
    Queues& all = queues();
    std::lock_guard lock(all.mutex);
    for (const auto& weakQueue : all.list) {
        if (const auto queue = std::static_pointer_cast<Impl>(weakQueue.lock())) {
            std::lock_guard queueLock(queue->mutex);
            if (!queue->shuttingDown && queue->atWork > 0) {
                return true;
            }
        }
    }
    return false;
}

OperationQueue::~OperationQueue() {
    std::vector<std::shared_ptr<Operation>> unfinished;
    std::deque<std::shared_ptr<Operation>> waiting;
    std::vector<std::thread> workers;
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->shuttingDown = true;
        unfinished = m_impl->unfinished;
        waiting.swap(m_impl->waiting);
        workers.swap(m_impl->workers);
    }
    m_impl->wake.notify_all();
    for (const auto& operation : unfinished) {
        operation->cancel();
    }
    for (auto& worker : workers) {
        // The last owner may drop the queue from inside one of its own operations.
        if (worker.get_id() == std::this_thread::get_id()) {
            worker.detach();
        } else {
            worker.join();
        }
    }
}

int OperationQueue::maxConcurrentOperationCount() const {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->width;
}

void OperationQueue::setMaxConcurrentOperationCount(int count) {
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->width = count < 0 ? kDefaultWidth : count;
        m_impl->startWorkers();
    }
    m_impl->wake.notify_all();
}

void OperationQueue::addOperation(std::shared_ptr<Operation> operation) {
    if (!operation) {
        return;
    }
    {
        std::lock_guard lock(operation->m_state->mutex);
        if (operation->m_state->added) {
            QOV_LOG_ERROR("{} is already in a queue; not added again", nameOf(*operation));
            return;
        }
        operation->m_state->added = true;
        operation->m_state->queue = m_impl;
    }
    bool cancelled = false;
    {
        std::lock_guard lock(m_impl->mutex);
        m_impl->unfinished.push_back(operation);
        // Checked under the queue's lock: a cancel() racing with this call either sees the operation
        // waiting or leaves it cancelled here.
        cancelled = operation->isCancelled();
        if (!cancelled) {
            m_impl->waiting.push_back(operation);
            ++m_impl->atWork;
            m_impl->startWorkers();
        }
    }
    if (cancelled) {
        m_impl->postCompletion(std::move(operation));
    } else {
        m_impl->wake.notify_all();
    }
}

std::vector<std::shared_ptr<Operation>> OperationQueue::operations() const {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->unfinished;
}

std::size_t OperationQueue::operationCount() const {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->unfinished.size();
}

void OperationQueue::cancelAllOperations() {
    // Every operation is marked and every waiting one taken out of line in one step, so that no waiting
    // operation starts in a slot freed by cancelling an earlier one. Then each hears cancel() as usual.
    std::vector<std::shared_ptr<Operation>> unfinished;
    std::deque<std::shared_ptr<Operation>> waiting;
    {
        std::lock_guard lock(m_impl->mutex);
        unfinished = m_impl->unfinished;
        waiting.swap(m_impl->waiting);
        for (const auto& operation : unfinished) {
            operation->m_state->cancelled = true;
        }
    }
    for (auto& operation : waiting) {
        m_impl->endWork(std::move(operation));
    }
    for (const auto& operation : unfinished) {
        operation->cancel();
    }
}

}  // namespace platform
