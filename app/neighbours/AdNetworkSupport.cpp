#include "app/neighbours/AdNetworkSupport.h"

namespace qov {

std::shared_ptr<AdNetworkSupport> AdNetworkSupport::sharedInstance() {
    static const std::shared_ptr<AdNetworkSupport> instance = std::make_shared<AdNetworkSupport>();
    return instance;
}

}  // namespace qov
