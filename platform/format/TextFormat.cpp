#include "platform/format/TextFormat.h"

#include <cctype>

#include "platform/base/NumberText.h"

namespace platform {

std::string FormatArgument::asText() const { return m_isNumber ? std::to_string(m_number) : std::string(m_text); }

std::int64_t FormatArgument::asInteger() const {
    if (m_isNumber) {
        return m_number;
    }
    return longFromText(m_text);
}

namespace {

std::string padded(std::int64_t number, bool zeroFlag, std::size_t width) {
    const std::string digits = std::to_string(number);
    if (digits.size() >= width) {
        return digits;
    }
    const std::size_t fill = width - digits.size();
    if (!zeroFlag) {
        return std::string(fill, ' ') + digits;
    }
    // Appended piece by piece: GCC 12 warns wrongly of overlapping copies when text is put before a string.
    const bool negative = number < 0;
    std::string text(negative ? "-" : "");
    text.append(fill, '0');
    text.append(digits, negative ? 1 : 0);
    return text;
}

}  // namespace

std::string TextFormat::format(std::string_view pattern, std::initializer_list<FormatArgument> arguments) {
    std::string result;
    result.reserve(pattern.size() + 16);
    auto next = arguments.begin();
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            result += c;
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        if (pattern[j] == '%') {
            result += '%';
            i = j + 1;
            continue;
        }
        const bool zeroFlag = pattern[j] == '0';
        std::size_t width = 0;
        while (j < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[j])) != 0 && width < 100) {
            width = width * 10 + static_cast<std::size_t>(pattern[j] - '0');
            ++j;
        }
        const char kind = j < pattern.size() ? pattern[j] : '\0';
        if (kind == '@' && width == 0) {
            result += next != arguments.end() ? (next++)->asText() : std::string();
        } else if (kind == 'i' || kind == 'd') {
            result += next != arguments.end() ? padded((next++)->asInteger(), zeroFlag, width) : std::string();
        } else {
            result.append(pattern.substr(i, j - i));
            i = j;
            continue;
        }
        i = j + 1;
    }
    return result;
}

}  // namespace platform
