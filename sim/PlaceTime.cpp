#include "sim/PlaceTime.h"

#include <cmath>

#include <unicode/basictz.h>
#include <unicode/timezone.h>
#include <unicode/tztrans.h>
#include <unicode/unistr.h>

namespace qovsim {

namespace {

constexpr double kDay = 86400.0;

}  // namespace

PlaceTime::PlaceTime(const std::string& zoneName)
    : m_zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zoneName))) {
    if (*m_zone == icu::TimeZone::getUnknown()) {
        m_zone.reset(icu::TimeZone::getGMT()->clone());
    }
}

PlaceTime::~PlaceTime() = default;

int PlaceTime::offsetSeconds(double instant) const {
    if (instant >= m_span.start && instant < m_span.end) {
        return m_span.offset;
    }
    int32_t raw = 0;
    int32_t dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    m_zone->getOffset(instant * 1000.0, false, raw, dst, status);
    if (U_FAILURE(status)) {
        return 0;
    }
    int offset = (raw + dst) / 1000;
    if (const auto* basic = dynamic_cast<const icu::BasicTimeZone*>(m_zone.get())) {
        icu::TimeZoneTransition previous;
        icu::TimeZoneTransition next;
        bool hasPrevious = basic->getPreviousTransition(instant * 1000.0, true, previous);
        bool hasNext = basic->getNextTransition(instant * 1000.0, false, next);
        m_span.start = hasPrevious ? previous.getTime() / 1000.0 : -1e18;
        m_span.end = hasNext ? next.getTime() / 1000.0 : 1e18;
        m_span.offset = offset;
    }
    return offset;
}

long long PlaceTime::dayNumber(double instant) const {
    return static_cast<long long>(std::floor((instant + offsetSeconds(instant)) / kDay));
}

double PlaceTime::instantAt(long long dayNumber, double hours) const {
    double local = static_cast<double>(dayNumber) * kDay + hours * 3600.0;
    double guess = local - offsetSeconds(local);
    return local - offsetSeconds(guess);
}

double PlaceTime::localHours(double instant) const { return (instant - localMidnight(instant)) / 3600.0; }

PlaceTime::CivilDate PlaceTime::civilDate(long long dayNumber) {
    // Days to civil date (H. Hinnant's algorithm).
    long long z = dayNumber + 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = yoe + era * 400;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    long long d = doy - (153 * mp + 2) / 5 + 1;
    long long m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(m <= 2 ? y + 1 : y), static_cast<int>(m), static_cast<int>(d)};
}

int PlaceTime::dayOfYear(long long dayNumber) {
    CivilDate date = civilDate(dayNumber);
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    return kBefore[date.month - 1] + date.day + ((leap && date.month > 2) ? 1 : 0);
}

int PlaceTime::weekday(long long dayNumber) {
    // 1970-01-01 was a Thursday.
    long long w = (dayNumber + 4) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

const char* PlaceTime::weekdayName(long long dayNumber) {
    static constexpr const char* kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
    return kNames[weekday(dayNumber)];
}

}  // namespace qovsim
