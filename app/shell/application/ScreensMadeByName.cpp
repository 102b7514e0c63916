#include "app/shell/application/ApplicationInterfaceFiles.h"

#include "app/shell/conditions/CurrentConditionsBarController.h"
#include "app/shell/locations/LocationSearchResultsModalViewController.h"
#include "app/shell/settings/SettingsDetailViewController.h"
#include "platform/ui/ClassRegistry.h"

namespace qov {

// Screens no other screen opens: an interface file that names their class makes them.
void ApplicationInterfaceFiles::registerScreensMadeByName() {
    CurrentConditionsBarController::registerInterfaceFiles();
    platform::ui::ClassRegistry::registerClass<CurrentConditionsBarController>("CurrentConditionsBarController");
    platform::ui::ClassRegistry::registerClass<SettingsDetailViewController>("SettingsDetailViewController");
    platform::ui::ClassRegistry::registerClass(LocationSearchResultsModalViewController::kClassName, [] {
        return QOVViewController::viewControllerFromNib<LocationSearchResultsModalViewController>();
    });
}

}  // namespace qov
