#include "app/neighbours/screens/SevereViewController.h"

#include "app/ui/text/LocalizedFormat.h"

namespace qov {

SevereViewController::SevereViewController(std::string nibName) : NeighbourScreen(std::move(nibName), "Severe") {
    setTabItem("severe", localized("severe.tabbar.title"), "tabbar-icon-severe.png", "Severe", "SEVERE");
    setUSOnly(true);
    if (const auto& item = slidingTabBarItem()) {
        m_alertCount = AlertCountBadge::create(item);
    }
}

}  // namespace qov
