#pragma once

#include <string>
#include <string_view>

namespace qov {

// The UTF-8 text without the white space and line breaks at both ends (ASCII blanks, tabs and line breaks,
// NEL, no-break space and the other Unicode space and line separators).
std::string trimmedWhitespaceAndNewlines(std::string_view text);

}  // namespace qov
