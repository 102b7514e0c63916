#pragma once

#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The photo-community tab (US only).
class ZavioNavigationController : public NeighbourScreen {
public:
    explicit ZavioNavigationController(std::string nibName);
};

}  // namespace qov
