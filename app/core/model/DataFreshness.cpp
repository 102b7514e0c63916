#include "app/core/model/DataFreshness.h"

#include <cmath>

#include "platform/base/Clock.h"

namespace qov {

double DataFreshness::age(const std::optional<platform::Date>& creationDate) {
    if (!creationDate) {
        return 0.0;
    }
    const double interval = std::fabs(platform::Clock::shared()->now().timeIntervalSince(*creationDate));
    // A date that is no number (a damaged archive) makes the record as old as can be.
    return std::isnan(interval) ? INFINITY : interval;
}

float DataFreshness::confidence(double age) {
    if (age < kStaleAge) {
        return 1.0F;
    }
    if (age > kInvalidAge) {
        return 0.25F;
    }
    return static_cast<float>(age - kStaleAge) / -3300.0F * 0.75F + 1.0F;
}

}  // namespace qov
