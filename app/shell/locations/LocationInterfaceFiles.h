#pragma once

namespace qov {

// Registers the interface files of the location bar, its drop-down list of matches and the favourites screens,
// and the class name of the favourites navigation stack.
void registerLocationInterfaceFiles();

}  // namespace qov
