#include "app/composition/ApplicationComposition.h"

#include "app/maps/MapsScreens.h"
#include "app/neighbours/screens/NeighbourScreens.h"
#include "app/shell/application/ApplicationInterfaceFiles.h"
#include "app/shell/conditions/CurrentConditionsBarController.h"
#include "app/shell/interface/ShellInterfaceFiles.h"
#include "app/shell/root/RootInterfaceFiles.h"
#include "app/shell/settings/SettingsInterfaceFiles.h"
#include "app/shell/terms/TermsInterfaceFiles.h"
#include "app/shell/testmode/TestModeInterfaceFiles.h"

namespace qov {

void registerApplication() {
    registerShellInterfaceFiles();
    registerApplicationInterfaceFiles();
    registerRootInterfaceFiles();
    registerTermsInterfaceFiles();
    registerSettingsInterfaceFiles();
    registerTestModeInterfaceFiles();
    CurrentConditionsBarController::registerInterfaceFiles();
    registerNeighbourScreens();
    registerMapsScreens();
}

}  // namespace qov
