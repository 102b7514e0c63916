#pragma once

#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The Video tab.
class VideoViewController : public NeighbourScreen {
public:
    explicit VideoViewController(std::string nibName);
};

}  // namespace qov
