#pragma once

namespace qov {

// Registers the screens of the content, community and social sections by class name (the root controller
// and the sharing screens make them through platform::ui::ClassRegistry) with their interface files.
// Called once at start-up, after registerShellInterfaceFiles().
void registerNeighbourScreens();

}  // namespace qov
