#include "app/shell/weather/HourlyRows.h"

#include <algorithm>

#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "platform/base/ProcessInstance.h"
#include "platform/format/DateFormatter.h"

namespace qov {

namespace {

constexpr std::size_t kGroupSize = 4;

}  // namespace

HourlyRows HourlyRows::build(const QOVLocation& location, bool useHighResolution) {
    HourlyRows result;
    const Forecasts hourly = location.hourlyForecasts().value_or(Forecasts{});
    const auto& highResolution = location.hiRadHourlyForecasts();
    if (!useHighResolution || !highResolution) {
        result.m_rows = hourly;
        return result;
    }
    platform::DateFormatter minutes;
    minutes.setDateFormat("mm");
    minutes.setTimeZone(location.timeZone().value_or("UTC"));
    const auto& quarters = *highResolution;
    std::optional<platform::Date> lastRowDate;
    for (std::size_t i = 0; i < quarters.size(); ++i) {
        const auto& forecast = quarters[i];
        if (!forecast || !forecast->date() || minutes.stringFromDate(*forecast->date()) != "00") {
            continue;
        }
        result.m_rows.push_back(forecast);
        Forecasts& group = result.m_groups[forecast.get()];
        for (std::size_t k = i; k < std::min(i + kGroupSize, quarters.size()); ++k) {
            group.push_back(quarters[k]);
        }
        lastRowDate = lastRowDate ? std::max(*lastRowDate, *forecast->date()) : *forecast->date();
    }
    for (const auto& forecast : hourly) {
        if (!lastRowDate || (forecast && forecast->date() && *forecast->date() > *lastRowDate)) {
            result.m_rows.push_back(forecast);
        }
    }
    return result;
}

const HourlyRows::Forecasts& HourlyRows::groupFor(const QOVHourlyForecast& row) const {
    static platform::NeverDestroyed<const Forecasts> none;
    const auto found = m_groups.find(&row);
    return found != m_groups.end() ? found->second : *none;
}

}  // namespace qov
