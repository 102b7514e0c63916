#include "app/shell/weather/WeatherSegments.h"

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVLocation.h"

namespace qov {

namespace {

template <typename List>
bool hasEntries(const std::optional<List>& list) {
    return list && !list->empty();
}

}  // namespace

std::vector<int> WeatherSegments::viewNumbersFor(const std::shared_ptr<QOVLocation>& location, bool marineEnabled) {
    std::vector<int> numbers;
    if (!location) {
        return numbers;
    }
    numbers.push_back(kRightNow);
    if (hasEntries(location->hourlyForecasts())) {
        numbers.push_back(kHourly);
    }
    if (hasEntries(location->narrativeForecasts())) {
        numbers.push_back(kThirtySixHour);
    }
    if (hasEntries(location->dailyForecasts())) {
        numbers.push_back(kTenDay);
    }
    const auto& beach = location->beachAndBoatForecast();
    if (marineEnabled && beach && beach->isValid()) {
        numbers.push_back(kBeach);
    }
    return numbers;
}

}  // namespace qov
