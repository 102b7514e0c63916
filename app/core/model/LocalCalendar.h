#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/base/Date.h"

namespace qov {

// Gregorian calendar fields of a moment in a named time zone (ICU). A missing or unknown time-zone name is
// read as UTC (logged once per name), so calendar work never fails.
class LocalCalendar {
public:
    struct Fields {
        int year = 1970;
        int month = 1;   // 1 to 12
        int day = 1;     // 1 to 31
        int hour = 0;    // 0 to 23
        int minute = 0;  // 0 to 59
    };

    // True when the time-zone database knows the name (the empty name is unknown).
    static bool isKnownTimeZone(std::string_view name);
    static Fields fieldsOf(platform::Date date, const std::optional<std::string>& timeZoneName);
    // 00:00:00 of the date's day in the zone (the day's first moment where midnight is skipped).
    static platform::Date startOfDay(platform::Date date, const std::optional<std::string>& timeZoneName);
    // The device's time zone (the process's default zone: TZ, else the system's).
    static std::string deviceTimeZoneName();
};

}  // namespace qov
