#include "app/neighbours/AdNetworkSupport.h"

#include "platform/base/ProcessInstance.h"

namespace qov {

std::shared_ptr<AdNetworkSupport> AdNetworkSupport::sharedInstance() {
    static platform::NeverDestroyed<std::shared_ptr<AdNetworkSupport>> instance(std::make_shared<AdNetworkSupport>());
    return *instance;
}

}  // namespace qov
