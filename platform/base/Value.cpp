#include "platform/base/Value.h"

#include <cmath>
#include <limits>

namespace platform {

bool Value::boolValue(bool fallback) const {
    if (const auto* value = ifBool()) {
        return *value;
    }
    if (const auto* value = ifInteger()) {
        return *value != 0;
    }
    if (const auto* value = ifDouble()) {
        return *value != 0.0;
    }
    return fallback;
}

std::int64_t Value::integerValue(std::int64_t fallback) const {
    if (const auto* value = ifInteger()) {
        return *value;
    }
    if (const auto* value = ifBool()) {
        return *value ? 1 : 0;
    }
    if (const auto* value = ifDouble()) {
        if (std::isnan(*value)) {
            return fallback;
        }
        // Saturate instead of overflowing.
        constexpr auto lowest = static_cast<double>(std::numeric_limits<std::int64_t>::min());
        constexpr auto highest = static_cast<double>(std::numeric_limits<std::int64_t>::max());
        if (*value <= lowest) {
            return std::numeric_limits<std::int64_t>::min();
        }
        if (*value >= highest) {
            return std::numeric_limits<std::int64_t>::max();
        }
        return static_cast<std::int64_t>(*value);
    }
    return fallback;
}

double Value::doubleValue(double fallback) const {
    if (const auto* value = ifDouble()) {
        return *value;
    }
    if (const auto* value = ifInteger()) {
        return static_cast<double>(*value);
    }
    if (const auto* value = ifBool()) {
        return *value ? 1.0 : 0.0;
    }
    return fallback;
}

std::string Value::stringValue(std::string fallback) const {
    if (const auto* value = ifString()) {
        return *value;
    }
    return fallback;
}

const Value* valueForKey(const Dictionary& dictionary, std::string_view key) {
    const auto found = dictionary.find(key);
    return found == dictionary.end() ? nullptr : &found->second;
}

}  // namespace platform
