#pragma once

#include <memory>
#include <string>

#include <unicode/timezone.h>

namespace qovsim {

// Calendar arithmetic in one place's time zone (one thread at a time: it remembers the last offset span). Instants are
// seconds since 1970 (UTC); a "day number" counts local calendar days since 1970-01-01.
class PlaceTime {
public:
    // An unknown zone name falls back to UTC.
    explicit PlaceTime(const std::string& zoneName);
    ~PlaceTime();
    PlaceTime(const PlaceTime&) = delete;
    PlaceTime& operator=(const PlaceTime&) = delete;

    // Offset from UTC at the instant, daylight saving included.
    int offsetSeconds(double instant) const;
    long long dayNumber(double instant) const;
    // The instant of the given local clock time (hours may run past 24) on the local day.
    double instantAt(long long dayNumber, double hours) const;
    double localMidnight(double instant) const { return instantAt(dayNumber(instant), 0.0); }
    // Hours since the local midnight (0 <= h < 24 except on days that change their offset).
    double localHours(double instant) const;

    // Civil date of a day number, proleptic Gregorian.
    struct CivilDate {
        int year;
        int month;  // 1-12
        int day;    // 1-31
    };
    static CivilDate civilDate(long long dayNumber);
    static int dayOfYear(long long dayNumber);  // 1-366
    static int weekday(long long dayNumber);    // 0 Sunday ... 6 Saturday
    static const char* weekdayName(long long dayNumber);

private:
    // The offset holds between two transitions of the zone; the last such span is remembered.
    struct Span {
        double start = 0.0;
        double end = -1.0;
        int offset = 0;
    };

    std::unique_ptr<icu::TimeZone> m_zone;
    mutable Span m_span;
};

}  // namespace qovsim
