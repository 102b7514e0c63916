#pragma once

#include <memory>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"

namespace qov {

class SlidingTabBarItem;

// Shows the current location's alert count as a tab item's badge: the count while the location's weather has
// alerts, no badge while it has none. It follows the current location through the application cache from its
// creation until it is released. The item is not retained. Main thread only (the cache answers there).
class AlertCountBadge : public ApplicationCacheLocationChangedDelegate {
public:
    // A badge for the item, listening to the shared application cache (when there is one).
    static std::shared_ptr<AlertCountBadge> create(const std::shared_ptr<SlidingTabBarItem>& item);
    explicit AlertCountBadge(std::weak_ptr<SlidingTabBarItem> item) : m_item(std::move(item)) {}
    ~AlertCountBadge() override;

    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;

private:
    std::weak_ptr<SlidingTabBarItem> m_item;
};

}  // namespace qov
