#pragma once

#include <compare>
#include <optional>

#include "platform/base/Date.h"

namespace qov {

// Orders optional dates: an absent date comes before every date; two absent dates are equivalent.
class DateOrdering {
public:
    static std::weak_ordering compare(const std::optional<platform::Date>& lhs,
                                      const std::optional<platform::Date>& rhs);
};

}  // namespace qov
