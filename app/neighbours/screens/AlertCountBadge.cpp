#include "app/neighbours/screens/AlertCountBadge.h"

#include <string>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/model/QOVLocation.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"

namespace qov {

std::shared_ptr<AlertCountBadge> AlertCountBadge::create(const std::shared_ptr<SlidingTabBarItem>& item) {
    auto badge = std::make_shared<AlertCountBadge>(item);
    if (const auto cache = ApplicationCacheFactory::sharedInstance().cache()) {
        cache->startListeningForCurrentLocationWithDelegate(badge);
    }
    return badge;
}

AlertCountBadge::~AlertCountBadge() {
    if (const auto cache = ApplicationCacheFactory::sharedInstance().cache()) {
        cache->stopListeningForDelegate(this);
    }
}

void AlertCountBadge::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    const auto item = m_item.lock();
    if (!item || !location) {
        return;
    }
    const auto& alerts = location->severeWeatherAlerts();
    const std::size_t count = alerts ? alerts->size() : 0;
    if (count > 0) {
        item->setBadgeValue(std::to_string(count));
    }
    item->setBadgeHidden(count == 0);
}

}  // namespace qov
