#include "app/shell/application/ApplicationInterfaceFiles.h"

namespace qov {

void ApplicationInterfaceFiles::registerAll() {
    registerMainWindow();
    registerRootScreen();
    registerTermsScreens();
    registerTabScreens();
}

}  // namespace qov
