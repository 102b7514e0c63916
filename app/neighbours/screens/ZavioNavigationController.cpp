#include "app/neighbours/screens/ZavioNavigationController.h"

#include "app/ui/text/LocalizedFormat.h"

namespace qov {

ZavioNavigationController::ZavioNavigationController(std::string nibName)
    : NeighbourScreen(std::move(nibName), "Zavio") {
    setTabItem("zavio", localized("zavio.tabbar.title"), "tabbar-icon-zavio.png", "Zavio", "UGC");
    setUSOnly(true);
}

}  // namespace qov
