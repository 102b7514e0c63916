#pragma once

#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The Social tab (US only; left out while the social-feature status is 1).
class SwaggerViewController : public NeighbourScreen {
public:
    explicit SwaggerViewController(std::string nibName);
};

}  // namespace qov
