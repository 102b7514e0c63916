#include "app/legacymaps/net/MainQueue.h"

namespace qov {

platform::OperationQueue& MainQueue::sharedQueue() {
    static platform::OperationQueue queue(kWidth);
    return queue;
}

}  // namespace qov
