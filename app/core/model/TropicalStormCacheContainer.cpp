#include "app/core/model/TropicalStormCacheContainer.h"

#include "platform/base/Clock.h"

namespace qov {

TropicalStormCacheContainer::TropicalStormCacheContainer() : m_createdDate(platform::Clock::shared()->now()) {}

}  // namespace qov
