#include "app/maps/MapsScreens.h"

#include "app/maps/MapsViewController.h"
#include "platform/ui/ClassRegistry.h"

namespace qov {

void registerMapsScreens() {
    platform::ui::ClassRegistry::registerClass(
        "MapsViewController", [] { return QOVViewController::viewControllerFromNib<MapsViewController>(); });
}

}  // namespace qov
