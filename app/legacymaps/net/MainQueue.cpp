#include "app/legacymaps/net/MainQueue.h"

#include "platform/base/ProcessInstance.h"

namespace qov {

platform::OperationQueue& MainQueue::sharedQueue() {
    static platform::NeverDestroyed<platform::OperationQueue> queue(kWidth);
    return *queue;
}

platform::OperationQueue& MainQueue::transferQueue() {
    static platform::NeverDestroyed<platform::OperationQueue> queue(kWidth);
    return *queue;
}

}  // namespace qov
