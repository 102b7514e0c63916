#pragma once

#include "platform/base/OperationQueue.h"

namespace qov {

// The one operation queue of the legacy requests (AsyncURLRequest, CachedAsyncURLRequest), made on first use,
// of the platform's default width: a request holds a worker only to start, then waits for its transfer without
// one. The transfers (the attempts' HTTP requests) go through a queue of their own, of the same width, whose
// worker only hands each to the platform's transfer loop: however many tiles a large view asks for, they are all
// in flight at once and hold no thread while they wait, so the series list never waits behind them. A transfer
// takes its request's priority, which orders the hand-over when requests wait for a worker.
class MainQueue {
public:
    static constexpr int kWidth = platform::OperationQueue::kDefaultMaxConcurrentOperationCount;

    static platform::OperationQueue& sharedQueue();
    static platform::OperationQueue& transferQueue();
};

}  // namespace qov
