#include "app/maps/MapsScreens.h"

#include "app/core/model/QOVPointOfInterest.h"
#include "app/maps/MapsViewController.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/options/MapsOptionsViewController.h"
#include "app/shell/application/ApplicationHooks.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/ui/base/QOVViewController.h"

namespace qov {

void registerMapsScreens() {
    MapsViewController::registerInterfaceFiles();
    MapsOptionsViewController::registerInterfaceFiles();
    QOVViewController::registerClassFromNib<MapsViewController>("MapsViewController");
    // Becoming active keeps the tile configuration fresh; points of interest show temperatures in the user's unit.
    ApplicationHooks::setMapConfigurationKeeper(
        [] { QOVMapCache::sharedInstance()->startListeningForMapConfigWithDelegate(nullptr); });
    QOVPointOfInterest::setTemperatureWriter(
        [](std::int32_t fahrenheit) { return QOVFormattingService::formatTemperature(fahrenheit, true); });
}

}  // namespace qov
