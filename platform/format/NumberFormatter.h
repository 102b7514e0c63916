#pragma once

#include <string>

namespace platform {

// Writes a number as decimal text with a pattern for positive numbers ("#0.##": at least one integer digit, at
// most two fraction digits, rounded half to even) in a locale (the current one by default; its decimal
// separator is used). Negative numbers take the same pattern with a minus sign. Not-a-number gives "NaN".
class NumberFormatter {
public:
    NumberFormatter();

    void setPositiveFormat(std::string pattern) { m_pattern = std::move(pattern); }
    void setLocale(std::string identifier) { m_locale = std::move(identifier); }

    std::string stringFromNumber(double number) const;

private:
    std::string m_pattern = "#0.###";
    std::string m_locale;
};

}  // namespace platform
