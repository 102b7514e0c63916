#include "app/core/model/DataFreshness.h"

#include <cmath>

#include "platform/base/Clock.h"

namespace qov {

double DataFreshness::age(const std::optional<platform::Date>& creationDate) {
    // A record without a creation date (an archive that lost it) or with one that is no number is as old as can
    // be, so it is refreshed rather than served as fresh for ever.
    if (!creationDate) {
        return INFINITY;
    }
    const double interval = std::fabs(platform::Clock::shared()->now().timeIntervalSince(*creationDate));
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
