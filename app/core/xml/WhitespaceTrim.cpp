#include "app/core/xml/WhitespaceTrim.h"

#include <array>

namespace qov {
namespace {

// The multi-byte white-space characters in UTF-8.
constexpr std::array<std::string_view, 19> kWideSpaces = {
    "\u0085", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006",
    "\u2007", "\u2008", "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000",
};

bool isAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The length of the white-space character at the start (front) or end (back) of text, or 0.
std::size_t spaceLength(std::string_view text, bool atFront) {
    if (text.empty()) {
        return 0;
    }
    if (isAsciiSpace(atFront ? text.front() : text.back())) {
        return 1;
    }
    auto matches = [&](std::string_view space) { return atFront ? text.starts_with(space) : text.ends_with(space); };
    for (const auto space : kWideSpaces) {
        if (matches(space)) {
            return space.size();
        }
    }
    return 0;
}

}  // namespace

std::string trimmedWhitespaceAndNewlines(std::string_view text) {
    while (const auto length = spaceLength(text, true)) {
        text.remove_prefix(length);
    }
    while (const auto length = spaceLength(text, false)) {
        text.remove_suffix(length);
    }
    return std::string(text);
}

}  // namespace qov
