#pragma once

namespace qov {

// Makes the maps' tab screen available by class name ("MapsViewController") to the root controller, which cannot
// name it, and registers the maps screens' interface files. Called once before the application launches, after the
// neighbouring screens (the tropical section's interface file).
void registerMapsScreens();

}  // namespace qov
