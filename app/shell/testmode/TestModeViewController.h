#pragma once

#include <string>

#include "app/shell/root/PlaceholderScreen.h"

namespace qov {

// The test-mode tab (tab item "debugsettings"), present in test mode; this build shows its title only.
class TestModeViewController : public PlaceholderScreen {
public:
    TestModeViewController();
    explicit TestModeViewController(const std::string& nibName);
};

// The test-console tab (tab item "console"), present in test mode; this build shows its title only.
class TestConsoleViewController : public PlaceholderScreen {
public:
    TestConsoleViewController();
    explicit TestConsoleViewController(const std::string& nibName);
};

}  // namespace qov
