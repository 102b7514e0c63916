#pragma once

#include <cstddef>
#include <string>

namespace qov {

class QOVLocation;

// A plain-text summary of a location's weather for the runner: the place, the current conditions, the next
// hours and the days ahead. Times are the place's local times; values are shown in the units the data
// service delivers (degrees Fahrenheit, miles per hour).
class WeatherSummaryText {
public:
    static constexpr std::size_t kHourCount = 12;

    // Parts the location lacks are left out; nothing here fails.
    static std::string summaryOf(const QOVLocation& location);
};

}  // namespace qov
