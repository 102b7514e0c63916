#include "app/legacymaps/net/DataCacheService.h"

#include "platform/base/ProcessInstance.h"

namespace qov {

DataCacheService& DataCacheService::sharedInstance() {
    static platform::NeverDestroyed<DataCacheService> instance;
    return *instance;
}

}  // namespace qov
