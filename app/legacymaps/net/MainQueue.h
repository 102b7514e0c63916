#pragma once

#include "platform/base/OperationQueue.h"

namespace qov {

// The one operation queue of the legacy requests (AsyncURLRequest, CachedAsyncURLRequest), made on first use.
// It is 8 wide: a legacy request holds a worker for as long as its attempts run, and the tile layer keeps up to
// three tiles and the series poller one list in flight beside the short cached-request operations.
class MainQueue {
public:
    static constexpr int kWidth = 8;

    static platform::OperationQueue& sharedQueue();
};

}  // namespace qov
