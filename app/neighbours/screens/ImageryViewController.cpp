#include "app/neighbours/screens/ImageryViewController.h"

#include "app/ui/text/LocalizedFormat.h"

namespace qov {

ImageryViewController::ImageryViewController(std::string nibName) : NeighbourScreen(std::move(nibName), "Imagery") {
    setTabItem("imagery", localized("imagery.tabbar.title"), "tabbar-icon-imagery.png", "Imagery", "IMAGERY");
    setUSOnly(true);
}

}  // namespace qov
