#include "app/shell/application/ApplicationInterfaceFiles.h"

#include "app/shell/settings/SettingsNavigationController.h"
#include "app/shell/testmode/TestModeViewController.h"
#include "app/shell/weather/WeatherViewController.h"
#include "platform/ui/ClassRegistry.h"

namespace qov {

namespace {

template <typename T>
void registerScreen(const char* name) {
    platform::ui::ClassRegistry::registerClass(name, [] { return QOVViewController::viewControllerFromNib<T>(); });
}

}  // namespace

// The shell's own tab screens, made by class name by the root controller.
void ApplicationInterfaceFiles::registerTabScreens() {
    registerScreen<WeatherViewController>("WeatherViewController");
    registerScreen<SettingsNavigationController>("SettingsNavigationController");
    registerScreen<TestModeViewController>("TestModeViewController");
    registerScreen<TestConsoleViewController>("TestConsoleViewController");
}

}  // namespace qov
