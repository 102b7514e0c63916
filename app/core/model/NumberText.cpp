#include "app/core/model/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace qov {

namespace {

constexpr auto kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr auto kInt32Min = std::numeric_limits<std::int32_t>::min();

std::size_t skipWhiteSpace(std::string_view text) {
    std::size_t index = 0;
    while (index < text.size() && std::isspace(static_cast<unsigned char>(text[index])) != 0) {
        ++index;
    }
    return index;
}

}  // namespace

std::int32_t integerFromText(std::string_view text) {
    std::size_t index = skipWhiteSpace(text);
    bool negative = false;
    if (index < text.size() && (text[index] == '+' || text[index] == '-')) {
        negative = text[index] == '-';
        ++index;
    }
    std::int64_t magnitude = 0;
    for (; index < text.size() && std::isdigit(static_cast<unsigned char>(text[index])) != 0; ++index) {
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[index] - '0'), std::int64_t{kInt32Max} + 1);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, kInt32Min, kInt32Max));
}

double doubleFromText(std::string_view text) {
    std::size_t index = skipWhiteSpace(text);
    if (index < text.size() && text[index] == '+') {
        ++index;
        if (index < text.size() && text[index] == '-') {
            return 0.0;
        }
    }
    double value = 0.0;
    const char* begin = text.data() + index;
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

}  // namespace qov
