#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qov {

class QOVMarineForecast;
class QOVTide;

// The tides shown under a marine forecast period: those named like the period (the name a tide's hour gives
// in the location's time zone, computed without changing the tide) and falling on the period's month and day
// in that zone, in list order.
class BeachTideMatch {
public:
    static std::vector<std::shared_ptr<QOVTide>> tidesFor(const QOVMarineForecast& period,
                                                          const std::vector<std::shared_ptr<QOVTide>>& tides,
                                                          const std::optional<std::string>& timeZone);
};

}  // namespace qov
