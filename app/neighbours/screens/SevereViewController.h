#pragma once

#include <memory>

#include "app/neighbours/screens/AlertCountBadge.h"
#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The Severe tab (US only); from its making on, its item's badge shows the current location's alert count.
class SevereViewController : public NeighbourScreen {
public:
    explicit SevereViewController(std::string nibName);

private:
    std::shared_ptr<AlertCountBadge> m_alertCount;
};

}  // namespace qov
