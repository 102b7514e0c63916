#pragma once

#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The Imagery tab (US only; in the tab list when imagery is enabled).
class ImageryViewController : public NeighbourScreen {
public:
    explicit ImageryViewController(std::string nibName);
};

}  // namespace qov
