#include "app/legacymaps/screens/LegacyMapsViewController.h"

#include "app/legacymaps/controls/SelectMapOverlayViewController.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "platform/map/MapView.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/InterfaceContext.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"

namespace qov {

LegacyMapsViewController::LegacyMapsViewController(std::string nibName)
    : LegacyMapsBaseViewController(std::move(nibName)) {
    setTitle(platform::Bundle::main().localizedString("maps.tabbar.title", "maps.tabbar.title"));
    setSlidingTabBarItem(
        SlidingTabBarItem::create("maps", title(), platform::ui::Image::named("tabbar-icon-map.png"), 1, "Map", "MAP"));
}

void LegacyMapsViewController::playButtonPressed(platform::ui::Button& sender) {
    const bool start = sender.titleForState(platform::ui::kControlStateNormal) == "Play";
    overlayAnimated(start);
    setPlaying(start);
    sender.setTitle(start ? "Stop" : "Play");
}

namespace {
void buildMapScreen(platform::ui::InterfaceContext& file) {
    const auto owner = file.ownerAs<LegacyMapsBaseViewController>();
    const platform::gfx::Rect frame = platform::ui::Screen::applicationFrame();
    const platform::gfx::Rect area(0, 0, frame.width(), frame.height());
    const auto view = file.makeTopLevel<platform::ui::View>(frame);
    const auto mapView = file.make<MapView>(area);
    mapView->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth | platform::ui::kAutoresizingFlexibleHeight);
    const auto map = file.make<platform::map::MapView>(area);
    map->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth | platform::ui::kAutoresizingFlexibleHeight);
    mapView->addSubview(map);
    mapView->setMapView(map);
    view->addSubview(mapView);
    if (owner) {
        owner->qovMapView = mapView;
        owner->setView(view);
    }
}
}  // namespace

void registerLegacyMapInterfaceFiles() {
    platform::ui::InterfaceFile::registerBuilder("LegacyMapsViewController-iPad", buildMapScreen);
    platform::ui::InterfaceFile::registerBuilder("LegacyMapsViewController-iPhone", buildMapScreen);
    platform::ui::InterfaceFile::registerBuilder(
        SelectMapOverlayViewController::kNibName, [](platform::ui::InterfaceContext& file) {
            const auto owner = file.ownerAs<SelectMapOverlayViewController>();
            const auto view = file.makeTopLevel<platform::ui::View>(platform::ui::Screen::bounds());
            if (owner) {
                owner->setView(view);
            }
        });
}

}  // namespace qov
