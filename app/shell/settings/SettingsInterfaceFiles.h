#pragma once

namespace qov {

// Registers the settings tab: its navigation screen (also by class name, "SettingsNavigationController", for the
// root controller), the settings table, the help and about screens, and the settings detail by class name
// ("SettingsDetailViewController"). Called once before the application launches (registerApplication() does);
// registering again replaces the same builders.
void registerSettingsInterfaceFiles();

}  // namespace qov
