#pragma once

#include "platform/base/OperationQueue.h"

namespace qov {

// The one operation queue of the legacy requests (AsyncURLRequest, CachedAsyncURLRequest), made on first use,
// of the platform's default width: a request holds a worker only to start, then waits for its transfer without
// one. The transfers (the attempts' HTTP requests) run on a queue of their own, wide enough for every tile of a
// large view at once, so the series list never waits behind tiles; they take their request's priority.
class MainQueue {
public:
    static constexpr int kWidth = platform::OperationQueue::kDefaultMaxConcurrentOperationCount;
    static constexpr int kTransferWidth = 48;

    static platform::OperationQueue& sharedQueue();
    static platform::OperationQueue& transferQueue();
};

}  // namespace qov
