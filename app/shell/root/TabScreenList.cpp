#include "app/shell/root/TabScreenList.h"

#include "app/core/services/QOVSettingsService.h"
#include "app/shell/application/QOVAppDelegate.h"

namespace qov {

TabScreenList::Conditions TabScreenList::currentConditions() {
    const auto settings = QOVSettingsService::sharedInstance();
    const auto delegate = QOVAppDelegate::currentAppDelegate();
    return Conditions{settings->isImageryEnabled(), settings->swaggerStatus(), delegate && delegate->testMode()};
}

std::vector<std::string> TabScreenList::classNames(const Conditions& conditions) {
    std::vector<std::string> names{"WeatherViewController", "MapsViewController"};
    if (conditions.imageryEnabled) {
        names.emplace_back("ImageryViewController");
    }
    names.emplace_back("SevereViewController");
    names.emplace_back("VideoViewController");
    if (conditions.swaggerStatus != QOVSettingsService::kSwaggerStatusAllOff) {
        names.emplace_back("SwaggerViewController");
    }
    names.emplace_back("ZavioNavigationController");
    names.emplace_back("InSeasonViewController");
    names.emplace_back("SettingsNavigationController");
    if (conditions.testMode) {
        names.emplace_back("TestModeViewController");
        names.emplace_back("TestConsoleViewController");
    }
    return names;
}

}  // namespace qov
