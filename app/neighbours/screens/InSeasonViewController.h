#pragma once

#include <memory>

#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The In Season tab (US only): its item is labelled "In Season" with the icon the settings name, when the
// bundle has that picture, else the built-in one.
class InSeasonViewController : public NeighbourScreen {
public:
    static constexpr const char* kNibName = "InSeasonViewController";
    static constexpr const char* kBuiltInIcon = "tabbar-icon-inseason.png";

    static std::shared_ptr<InSeasonViewController> initWithStandardValues();

    explicit InSeasonViewController(std::string nibName);
};

}  // namespace qov
