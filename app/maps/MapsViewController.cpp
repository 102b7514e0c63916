#include "app/maps/MapsViewController.h"

namespace qov {

MapsViewController::MapsViewController()
    : PlaceholderScreen({"maps", "maps.tabbar.title", "tabbar-icon-map.png", "Map", "MAP"}, "Map") {}

MapsViewController::MapsViewController(const std::string&) : MapsViewController() {}

}  // namespace qov
