#pragma once

namespace qov {

// Registers the main interface file ("MainWindow": the application delegate and its window). Called once before
// the application launches (registerApplication() does); registering again replaces the same builder.
void registerApplicationInterfaceFiles();

}  // namespace qov
