#include "app/neighbours/screens/SevereViewController.h"

#include "app/ui/text/LocalizedFormat.h"

namespace qov {

SevereViewController::SevereViewController(std::string nibName) : NeighbourScreen(std::move(nibName), "Severe") {
    setTabItem("severe", localized("severe.tabbar.title"), "tabbar-icon-severe.png", "Severe", "SEVERE");
    setUSOnly(true);
}

}  // namespace qov
