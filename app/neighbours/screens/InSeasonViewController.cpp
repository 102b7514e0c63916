#include "app/neighbours/screens/InSeasonViewController.h"

#include "app/core/services/QOVSettingsService.h"
#include "platform/storage/Bundle.h"

namespace qov {
namespace {

// The settings' icon when it names a picture of the bundle (an address of the outside world does not).
std::string tabIcon() {
    const auto icon = QOVSettingsService::sharedInstance()->inseasonIcon();
    if (icon && !icon->empty() && !platform::Bundle::main().pathForResource(*icon, "").empty()) {
        return *icon;
    }
    return InSeasonViewController::kBuiltInIcon;
}

}  // namespace

std::shared_ptr<InSeasonViewController> InSeasonViewController::initWithStandardValues() {
    return std::make_shared<InSeasonViewController>(kNibName);
}

InSeasonViewController::InSeasonViewController(std::string nibName) : NeighbourScreen(std::move(nibName), "In Season") {
    setTabItem("inseason", "In Season", tabIcon(), "InSeason", "INSEASON");
    setUSOnly(true);
}

}  // namespace qov
