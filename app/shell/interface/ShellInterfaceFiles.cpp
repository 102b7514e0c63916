#include "app/shell/interface/ShellInterfaceFiles.h"

#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/locations/LocationInterfaceFiles.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "app/shell/weather/WeatherInterfaceFiles.h"
#include "app/ui/base/QOVSectionHeaderView.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"

namespace qov {

void registerShellInterfaceFiles() {
    QOVSectionHeaderView::registerInterfaceFile();
    SlidingTabBarItem::registerInterfaceFile();
    SlidingTabBar::registerInterfaceFile();
    ErrorBar::registerInterfaceFile();
    registerWeatherInterfaceFiles();
    registerLocationInterfaceFiles();
}

}  // namespace qov
