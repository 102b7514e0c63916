#pragma once

#include <string>
#include <string_view>

namespace qov {

// The main bundle's localised text of the key (the key itself when the table has none).
std::string localized(const std::string& key);
// The format with its first "%@" replaced by the argument (the format as it is when it has none).
std::string formatWithObject(std::string_view format, std::string_view argument);
// The text with every occurrence of what replaced by with.
std::string replacingOccurrences(std::string_view text, std::string_view what, std::string_view with);

}  // namespace qov
