#pragma once

namespace qov {

// Registers the interface files of the location bar and its drop-down list of matches.
void registerLocationInterfaceFiles();

}  // namespace qov
