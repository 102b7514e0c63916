#include "app/shell/testmode/TestModeViewController.h"

namespace qov {

TestModeViewController::TestModeViewController()
    : PlaceholderScreen({"debugsettings", "testmode.tabbar.title", "tabbar-icon-debug-settings.png", "TestMode",
                         "TESTMODE"},
                        "TestSettings") {}

TestModeViewController::TestModeViewController(const std::string&) : TestModeViewController() {}

TestConsoleViewController::TestConsoleViewController()
    : PlaceholderScreen({"console", "testconsole.tabbar.title", "tabbar-icon-console.png", "TestConsole",
                         "TESTCONSOLE"},
                        "TestConsole") {}

TestConsoleViewController::TestConsoleViewController(const std::string&) : TestConsoleViewController() {}

}  // namespace qov
