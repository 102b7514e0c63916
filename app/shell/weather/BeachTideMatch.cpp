#include "app/shell/weather/BeachTideMatch.h"

#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVTide.h"
#include "platform/format/DateFormatter.h"

namespace qov {

std::vector<std::shared_ptr<QOVTide>> BeachTideMatch::tidesFor(const QOVMarineForecast& period,
                                                               const std::vector<std::shared_ptr<QOVTide>>& tides,
                                                               const std::optional<std::string>& timeZone) {
    std::vector<std::shared_ptr<QOVTide>> matched;
    if (!period.date()) {
        return matched;
    }
    platform::DateFormatter monthAndDay;
    monthAndDay.setDateFormat("MM-dd");
    monthAndDay.setTimeZone(timeZone.value_or("UTC"));
    const std::string day = monthAndDay.stringFromDate(*period.date());
    for (const auto& tide : tides) {
        if (tide && tide->date() && tide->nameInTimeZone(timeZone) == period.name() &&
            monthAndDay.stringFromDate(*tide->date()) == day) {
            matched.push_back(tide);
        }
    }
    return matched;
}

}  // namespace qov
