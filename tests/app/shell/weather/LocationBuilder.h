#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVTide.h"

namespace qovtest {

// Small weather records for the shell's tests, made in code.
inline std::shared_ptr<qov::QOVLocation> makeLocation(const std::string& key, const std::string& zone) {
    auto location = std::make_shared<qov::QOVLocation>();
    location->setKey(key);
    location->setType(1);
    location->setName(key);
    location->setTimeZone(zone);
    return location;
}

template <typename Forecast>
std::shared_ptr<Forecast> forecastAt(double secondsSince1970, int temperature = 60) {
    auto forecast = std::make_shared<Forecast>();
    forecast->setDate(platform::Date{secondsSince1970});
    forecast->setTemperature(temperature);
    return forecast;
}

inline std::shared_ptr<qov::QOVTide> tideAt(double secondsSince1970, bool low, double height) {
    auto tide = std::make_shared<qov::QOVTide>();
    tide->setDate(platform::Date{secondsSince1970});
    tide->setLow(low);
    tide->setHeight(height);
    return tide;
}

inline std::shared_ptr<qov::QOVMarineForecast> periodAt(double secondsSince1970, const std::string& name) {
    auto period = std::make_shared<qov::QOVMarineForecast>();
    period->setDate(platform::Date{secondsSince1970});
    period->setName(name);
    period->setSeaTemp(64);
    period->setSeaDescription("Moderate");
    period->setWaveDescription("Waves 2 to 4 feet");
    period->setWind("SW winds 10 to 15 knots");
    period->setWindSpeed(12);
    period->setWindDirection(225);
    return period;
}

}  // namespace qovtest
