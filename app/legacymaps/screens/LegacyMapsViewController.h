#pragma once

#include <string>

#include "app/legacymaps/screens/LegacyMapsBaseViewController.h"
#include "platform/ui/Button.h"

namespace qov {

// The older tile map as a maps tab screen (tab item "maps"). Nothing in the application makes it; the runner
// opens it with its "legacymap" command. Main thread only.
class LegacyMapsViewController : public LegacyMapsBaseViewController {
public:
    explicit LegacyMapsViewController(std::string nibName);

    // A play button titled "Play" starts the loop and becomes "Stop"; otherwise the loop stops and it becomes "Play".
    void playButtonPressed(platform::ui::Button& sender);
};

// The interface files of the older tile map's screens ("LegacyMapsViewController-iPad" and "-iPhone": the map view
// over a platform map filling the screen) and of its overlay chooser.
void registerLegacyMapInterfaceFiles();

}  // namespace qov
