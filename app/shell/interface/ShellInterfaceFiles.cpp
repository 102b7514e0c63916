#include "app/shell/interface/ShellInterfaceFiles.h"

#include "app/shell/base/QOVSectionHeaderView.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "app/shell/tabbar/SlidingTabBarItem.h"
#include "app/shell/weather/WeatherInterfaceFiles.h"

namespace qov {

void registerShellInterfaceFiles() {
    QOVSectionHeaderView::registerInterfaceFile();
    SlidingTabBarItem::registerInterfaceFile();
    SlidingTabBar::registerInterfaceFile();
    ErrorBar::registerInterfaceFile();
    registerWeatherInterfaceFiles();
}

}  // namespace qov
