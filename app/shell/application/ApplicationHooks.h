#pragma once

#include <functional>

namespace qov {

// Work the application delegate starts in libraries that sit above the shell (the maps), which the shell cannot
// name. Whoever links those libraries installs the hook before the application launches; until then the hook
// does nothing. Main thread only.
class ApplicationHooks {
public:
    // Keeps the map tile configuration fresh; run each time the application becomes active.
    static void setMapConfigurationKeeper(std::function<void()> keeper);
    static void keepMapConfigurationFresh();
};

}  // namespace qov
