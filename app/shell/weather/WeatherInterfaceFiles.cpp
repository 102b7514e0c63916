#include "app/shell/weather/WeatherInterfaceFiles.h"

#include "app/shell/weather/BeachForecastCell.h"
#include "app/shell/weather/BeachTideCell.h"
#include "app/shell/weather/BeachView.h"
#include "app/shell/weather/HourlyCell.h"
#include "app/shell/weather/HourlyView.h"
#include "app/shell/weather/RightNowView.h"
#include "app/shell/weather/TenDayCell.h"
#include "app/shell/weather/TenDayView.h"
#include "app/shell/weather/ThirtySixHourCell.h"
#include "app/shell/weather/ThirtySixHourView.h"
#include "app/shell/weather/WeatherViewController.h"
#include "app/ui/base/QOVViewController.h"

namespace qov {

void registerWeatherInterfaceFiles() {
    WeatherViewController::registerInterfaceFile();
    RightNowView::registerInterfaceFile();
    HourlyView::registerInterfaceFile();
    HourlyCell::registerInterfaceFile();
    ThirtySixHourView::registerInterfaceFile();
    ThirtySixHourCell::registerInterfaceFile();
    TenDayView::registerInterfaceFile();
    TenDayCell::registerInterfaceFile();
    BeachView::registerInterfaceFile();
    BeachForecastCell::registerInterfaceFile();
    BeachTideCell::registerInterfaceFile();
    QOVViewController::registerClassFromNib<WeatherViewController>("WeatherViewController");
}

}  // namespace qov
