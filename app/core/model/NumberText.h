#pragma once

#include <cstdint>
#include <string_view>

namespace qov {

// Numbers read from the start of a text the way the services' texts carry them: leading white space, an optional
// sign, then digits. Pure functions, any thread.
// The integer: digits only (a fraction is ignored), saturated at the 32-bit limits; 0 when no digit leads.
std::int32_t integerFromText(std::string_view text);
// The leading decimal number; 0 when none leads or it is not finite.
double doubleFromText(std::string_view text);

}  // namespace qov
