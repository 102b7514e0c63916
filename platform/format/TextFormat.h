#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

// One value to put into a format: a text or a number. A null C string is the empty text.
class FormatArgument {
public:
    FormatArgument(std::string_view text) : m_text(text) {}
    FormatArgument(const std::string& text) : m_text(text) {}
    FormatArgument(const char* text) : m_text(text != nullptr ? text : "") {}
    FormatArgument(int number) : m_isNumber(true), m_number(number) {}
    FormatArgument(long number) : m_isNumber(true), m_number(number) {}
    FormatArgument(long long number) : m_isNumber(true), m_number(number) {}
    FormatArgument(unsigned number) : m_isNumber(true), m_number(number) {}

    // The value as "%@" shows it: the text, or the number in decimal.
    std::string asText() const;
    // The value as "%i" / "%d" show it: the number, or the leading integer of the text (0 when none).
    std::int64_t asInteger() const;

private:
    std::string_view m_text;
    bool m_isNumber = false;
    std::int64_t m_number = 0;
};

// Fills the placeholders of a format with the arguments, in order, without ever interpreting an argument:
// "%@" takes the next argument as text, "%i" and "%d" as an integer (optionally with a zero flag and a width,
// "%02i"), "%%" is a percent sign. A placeholder without an argument left gives the empty text; any other
// sequence after "%" is copied as written. The format itself comes from the program or the bundle, never
// from outside data; outside texts only ever travel as arguments.
class TextFormat {
public:
    static std::string format(std::string_view pattern, std::initializer_list<FormatArgument> arguments);
};

}  // namespace platform
