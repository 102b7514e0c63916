#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Numbers read from the start of a text the way the services' texts, stored values and attributes carry them:
// leading white space, an optional sign, then decimal digits; whatever follows is ignored. The same in every
// locale; hexadecimal and "inf"/"nan" are no numbers. Pure functions, any thread.

// The integer: digits only (a fraction is ignored), saturated at the 64-bit limits; 0 when no digit leads.
std::int64_t longFromText(std::string_view text);
// The same saturated at the 32-bit limits.
std::int32_t integerFromText(std::string_view text);
// The leading decimal number (a fraction and an exponent included); nullopt when none leads or it is not finite.
std::optional<double> leadingDouble(std::string_view text);
// The same with 0 for none.
double doubleFromText(std::string_view text);

}  // namespace platform
