#pragma once

#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The Severe tab (US only); its item's badge shows the alert count.
class SevereViewController : public NeighbourScreen {
public:
    explicit SevereViewController(std::string nibName);
};

}  // namespace qov
