#include "app/legacymaps/net/DataCacheService.h"

namespace qov {

DataCacheService& DataCacheService::sharedInstance() {
    static DataCacheService instance;
    return instance;
}

}  // namespace qov
