#pragma once

namespace qov {

// Registers the interface files of the shell's views (section header, tab strip and item, error bar, the weather screen
// and its panels). Called once at start-up, before any of them loads; registering again replaces the same builders.
void registerShellInterfaceFiles();

}  // namespace qov
