#pragma once

#include <string>

#include "app/shell/root/PlaceholderScreen.h"

namespace qov {

// The Settings tab (tab item "settings"); this build shows its title only.
class SettingsNavigationController : public PlaceholderScreen {
public:
    SettingsNavigationController();
    explicit SettingsNavigationController(const std::string& nibName);
};

}  // namespace qov
