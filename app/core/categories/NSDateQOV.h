#pragma once

namespace qov {

class QOVLocation;

// Clock time at a location.
class NSDateQOV {
public:
    // The hour (0...23) now at the location's offset from UTC (its time-zone offset in hours; none counts as 0),
    // computed from the shared clock, so no locale setting can change it.
    static int currentHourForLocation(const QOVLocation& location);
    // The same for an offset from UTC in hours (whole seconds of it count; a non-finite offset counts as 0).
    static int currentHourForTimeZoneOffset(double offsetHours);
};

}  // namespace qov
