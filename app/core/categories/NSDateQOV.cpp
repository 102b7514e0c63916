#include "app/core/categories/NSDateQOV.h"

#include <cmath>

#include "app/core/model/QOVLocation.h"
#include "platform/base/Clock.h"

namespace qov {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kSecondsPerHour = 3600.0;

}  // namespace

int NSDateQOV::currentHourForLocation(const QOVLocation& location) {
    return currentHourForTimeZoneOffset(location.timeZoneOffset().value_or(0.0));
}

int NSDateQOV::currentHourForTimeZoneOffset(double offsetHours) {
    const double offsetSeconds = std::isfinite(offsetHours) ? std::trunc(offsetHours * kSecondsPerHour) : 0.0;
    const double now = platform::Clock::shared()->now().secondsSince1970;
    // fmod is exact, so even absurd offsets land within the day.
    double secondOfDay =
        std::fmod(std::fmod(now, kSecondsPerDay) + std::fmod(offsetSeconds, kSecondsPerDay), kSecondsPerDay);
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
    }
    const int hour = static_cast<int>(secondOfDay / kSecondsPerHour);
    return hour > 23 ? 23 : hour;
}

}  // namespace qov
