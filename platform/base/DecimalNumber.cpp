#include "platform/base/DecimalNumber.h"

#include <charconv>
#include <cmath>

#include "platform/base/NumberText.h"

namespace platform {

namespace {

template <typename Number>
std::string shortestText(Number value) {
    if (!std::isfinite(value)) {
        return "NaN";
    }
    if (value == 0) {
        return "0";  // also for -0
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace

DecimalNumber DecimalNumber::fromInteger(std::int64_t value) { return DecimalNumber(std::to_string(value)); }

DecimalNumber DecimalNumber::fromUnsignedInteger(std::uint64_t value) { return DecimalNumber(std::to_string(value)); }

DecimalNumber DecimalNumber::fromDouble(double value) { return DecimalNumber(shortestText(value)); }

DecimalNumber DecimalNumber::fromFloat(float value) { return DecimalNumber(shortestText(value)); }

double DecimalNumber::doubleValue() const { return isNaN() ? std::nan("") : doubleFromText(m_text); }

}  // namespace platform
