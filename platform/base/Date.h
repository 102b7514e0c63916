#pragma once

#include <compare>

namespace platform {

// A point in time: seconds since 1970-01-01 00:00:00 UTC.
struct Date {
    double secondsSince1970 = 0.0;

    static constexpr Date fromSecondsSince1970(double seconds) { return Date{seconds}; }

    constexpr double timeIntervalSince(Date other) const { return secondsSince1970 - other.secondsSince1970; }
    constexpr Date addingTimeInterval(double seconds) const { return Date{secondsSince1970 + seconds}; }

    friend constexpr auto operator<=>(Date, Date) = default;
};

}  // namespace platform
