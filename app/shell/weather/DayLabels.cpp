#include "app/shell/weather/DayLabels.h"

#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Clock.h"
#include "platform/format/DateFormatter.h"

namespace qov {

namespace {

constexpr double kDay = 86400.0;

}  // namespace

DayLabels DayLabels::forDay(const QOVDailyForecast& day, int row, const QOVLocation& location) {
    const platform::Date now = platform::Clock::shared()->now();
    const platform::Date date = day.date().value_or(now.addingTimeInterval(row * kDay));
    platform::DateFormatter formatter;
    formatter.setTimeZone(location.timeZone().value_or("UTC"));
    formatter.setDateFormat("yyyy-MM-dd");
    DayLabels labels;
    labels.isToday = formatter.stringFromDate(date) == formatter.stringFromDate(now);
    formatter.setDateFormat("EEEE");
    labels.weekday = formatter.stringFromDate(date);
    formatter.setDateFormat(localized("format.day.short"));
    labels.dayOfMonth = formatter.stringFromDate(date);
    return labels;
}

std::string DayLabels::dayName(bool nightOnly) const {
    if (!isToday) {
        return weekday;
    }
    return localized(nightOnly ? "common.label.tonight" : "common.label.today");
}

}  // namespace qov
