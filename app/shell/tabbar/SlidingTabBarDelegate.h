#pragma once

namespace qov {

class SlidingTabBar;
class SlidingTabBarItem;

// Told when the user picks a tab (the root controller). The strip's search button asks the root controller,
// when it adopts this protocol, to toggleLocationBarView(). Every operation is optional.
class SlidingTabBarDelegate {
public:
    virtual ~SlidingTabBarDelegate() = default;
    virtual void tabBarDidSelectItem(SlidingTabBar& /*tabBar*/, SlidingTabBarItem& /*item*/) {}
    virtual void toggleLocationBarView() {}
};

}  // namespace qov
