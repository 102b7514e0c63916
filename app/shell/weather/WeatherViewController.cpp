#include "app/shell/weather/WeatherViewController.h"

namespace qov {

WeatherViewController::WeatherViewController()
    : PlaceholderScreen({"weather", "weather.tabbar.title", "tabbar-icon-weather.png", "Weather", "WEATHER"},
                        "TFNow") {}

WeatherViewController::WeatherViewController(const std::string&) : WeatherViewController() {}

}  // namespace qov
