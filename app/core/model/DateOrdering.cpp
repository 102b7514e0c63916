#include "app/core/model/DateOrdering.h"

namespace qov {

std::weak_ordering DateOrdering::compare(const std::optional<platform::Date>& lhs,
                                         const std::optional<platform::Date>& rhs) {
    if (!lhs || !rhs) {
        return static_cast<bool>(lhs) <=> static_cast<bool>(rhs);
    }
    if (lhs->secondsSince1970 < rhs->secondsSince1970) {
        return std::weak_ordering::less;
    }
    if (lhs->secondsSince1970 > rhs->secondsSince1970) {
        return std::weak_ordering::greater;
    }
    return std::weak_ordering::equivalent;
}

}  // namespace qov
