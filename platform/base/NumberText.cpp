#include "platform/base/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace platform {

namespace {

std::size_t skipWhiteSpace(std::string_view text) {
    std::size_t index = 0;
    while (index < text.size() && std::isspace(static_cast<unsigned char>(text[index])) != 0) {
        ++index;
    }
    return index;
}

}  // namespace

std::int64_t longFromText(std::string_view text) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    std::size_t index = skipWhiteSpace(text);
    bool negative = false;
    if (index < text.size() && (text[index] == '+' || text[index] == '-')) {
        negative = text[index] == '-';
        ++index;
    }
    // Counted toward the sign's side, so the negative limit is reached exactly.
    std::int64_t value = 0;
    for (; index < text.size() && std::isdigit(static_cast<unsigned char>(text[index])) != 0; ++index) {
        const int digit = text[index] - '0';
        if (negative) {
            value = value < (std::numeric_limits<std::int64_t>::min() + digit) / 10
                        ? std::numeric_limits<std::int64_t>::min()
                        : value * 10 - digit;
        } else {
            value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
        }
    }
    return value;
}

std::int32_t integerFromText(std::string_view text) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        longFromText(text), std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::optional<double> leadingDouble(std::string_view text) {
    std::size_t index = skipWhiteSpace(text);
    // from_chars takes a minus sign only.
    if (index < text.size() && text[index] == '+') {
        ++index;
        if (index < text.size() && text[index] == '-') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + index, text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double doubleFromText(std::string_view text) { return leadingDouble(text).value_or(0.0); }

}  // namespace platform
