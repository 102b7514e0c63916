#pragma once

#include <array>
#include <memory>
#include <vector>

namespace qov {

class QOVLocation;

// Which panels of the weather screen a location offers, by view number: 0 right now (any location),
// 1 hourly, 2 36-hour, 3 10-day (each when its list has an entry), 4 beach and boat (when marine forecasts
// are enabled and the location's beach-and-boat forecast is valid).
class WeatherSegments {
public:
    static constexpr int kRightNow = 0;
    static constexpr int kHourly = 1;
    static constexpr int kThirtySixHour = 2;
    static constexpr int kTenDay = 3;
    static constexpr int kBeach = 4;
    static constexpr int kPanelCount = 5;
    // The localisation keys of the segment titles, by view number.
    static constexpr std::array<const char*, kPanelCount> kTitleKeys = {
        "weather.section.rightnow", "weather.section.hourly", "weather.section.36hour", "weather.section.10day",
        "weather.section.beach"};

    // The view numbers of the segments, in order; none for no location.
    static std::vector<int> viewNumbersFor(const std::shared_ptr<QOVLocation>& location, bool marineEnabled);
};

}  // namespace qov
