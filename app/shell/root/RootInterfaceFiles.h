#pragma once

namespace qov {

// Registers the root controller's interface file ("QOVMasterViewController"). Called once before the application
// launches (registerApplication() does); registering again replaces the same builder.
void registerRootInterfaceFiles();

}  // namespace qov
