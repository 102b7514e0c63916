#include "app/neighbours/screens/SwaggerViewController.h"

#include "app/ui/text/LocalizedFormat.h"

namespace qov {

SwaggerViewController::SwaggerViewController(std::string nibName)
    : NeighbourScreen(std::move(nibName), "Social Weather") {
    setTabItem("social", localized("swagger.tabbar.title"), "tabbar-icon-swagger.png", "Social_Weather", "SOCIALWX",
               "NEARBY");
    setUSOnly(true);
}

}  // namespace qov
