#pragma once

#include <optional>

#include "platform/base/Date.h"

namespace qov {

// How fresh a record built at a given moment is, against the process clock: stale from 300 s, invalid from
// 3600 s, and a confidence that falls linearly from 1.0 at 300 s to 0.25 at 3600 s. A date in the future ages
// the same way; no creation date, or one that is no number, counts as infinitely old (stale and invalid).
class DataFreshness {
public:
    static constexpr double kStaleAge = 300.0;
    static constexpr double kInvalidAge = 3600.0;

    static double age(const std::optional<platform::Date>& creationDate);
    static bool isStale(double age) { return age >= kStaleAge; }
    static bool isInvalid(double age) { return age >= kInvalidAge; }
    static float confidence(double age);
};

}  // namespace qov
