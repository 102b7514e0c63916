#pragma once

#include <string>

namespace qov {

class QOVDailyForecast;
class QOVLocation;

// The day name and date of a daily forecast, from the forecast's date in the location's time zone (now plus
// the row's days when the forecast has no date).
struct DayLabels {
    bool isToday = false;
    std::string weekday;     // "EEEE"
    std::string dayOfMonth;  // the localised "format.day.short"

    static DayLabels forDay(const QOVDailyForecast& day, int row, const QOVLocation& location);
    // "Today" or, for a night-only day, "Tonight" when the date is today there; else the weekday.
    std::string dayName(bool nightOnly) const;
};

}  // namespace qov
