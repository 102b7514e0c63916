#pragma once

namespace qov {

// Registers the shell's interface files (the main window, the root screen, the terms screens) and the tab screens
// it makes by class name. The runner and the tests call registerAll() once before the application launches;
// registering again replaces the same builders.
class ApplicationInterfaceFiles {
public:
    static void registerAll();

private:
    static void registerMainWindow();
    static void registerRootScreen();
    static void registerTermsScreens();
    static void registerTabScreens();
};

}  // namespace qov
