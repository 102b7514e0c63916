#pragma once

namespace qov {

// Makes the maps' tab screen available by class name ("MapsViewController") to the root controller, which cannot
// name it. Called once before the application launches.
void registerMapsScreens();

}  // namespace qov
