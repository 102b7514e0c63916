#include "app/shell/settings/SettingsNavigationController.h"

namespace qov {

SettingsNavigationController::SettingsNavigationController()
    : PlaceholderScreen({"settings", "settings.tabbar.title", "tabbar-icon-settings.png", "Settings", "SETTINGS"},
                        "Settings") {}

SettingsNavigationController::SettingsNavigationController(const std::string&) : SettingsNavigationController() {}

}  // namespace qov
