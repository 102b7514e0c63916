#include "app/shell/application/ApplicationInterfaceFiles.h"

namespace qov {

void ApplicationInterfaceFiles::registerAll() {
    registerMainWindow();
    registerRootScreen();
    registerTermsScreens();
    registerSettingsScreens();
    registerTestModeScreens();
    registerTabScreens();
    registerScreensMadeByName();
}

}  // namespace qov
