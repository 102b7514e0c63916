#pragma once

#include <string>

#include "app/shell/root/PlaceholderScreen.h"

namespace qov {

// The root screen of the Maps tab (tab item "maps"); this build shows its title only.
class MapsViewController : public PlaceholderScreen {
public:
    MapsViewController();
    explicit MapsViewController(const std::string& nibName);
};

}  // namespace qov
