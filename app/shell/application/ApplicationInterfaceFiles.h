#pragma once

namespace qov {

// Registers the shell's interface files (the main window, the root screen, the terms screens, the
// settings, about and help screens, the test-mode screens), the tab screens it makes by class name, and the
// screens only an interface file or a class name can make (the current-conditions bar, the settings detail). The runner and the tests call registerAll() once before the application launches;
// registering again replaces the same builders.
class ApplicationInterfaceFiles {
public:
    static void registerAll();

private:
    static void registerMainWindow();
    static void registerRootScreen();
    static void registerTermsScreens();
    static void registerSettingsScreens();
    static void registerTestModeScreens();
    static void registerTabScreens();
    static void registerScreensMadeByName();
};

}  // namespace qov
