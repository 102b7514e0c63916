#pragma once

namespace qov {

// Registers the interface files of the location bar, its drop-down list of matches, the modal list of search
// results and the favourites screens, and the class names of the favourites navigation stack and of the modal
// list (which no screen opens: the runner's "present" shows it).
void registerLocationInterfaceFiles();

}  // namespace qov
