#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A decimal number kept as its canonical decimal text: integers exactly, floating-point values as the
// shortest text that reads back to the same value ("0.1" for both 0.1f and 0.1). Non-finite values are not
// numbers: they become "NaN".
class DecimalNumber {
public:
    static DecimalNumber fromInteger(std::int64_t value);
    static DecimalNumber fromUnsignedInteger(std::uint64_t value);
    static DecimalNumber fromDouble(double value);
    static DecimalNumber fromFloat(float value);

    const std::string& stringValue() const { return m_text; }
    double doubleValue() const;
    bool isNaN() const { return m_text == "NaN"; }

    friend bool operator==(const DecimalNumber&, const DecimalNumber&) = default;

private:
    explicit DecimalNumber(std::string text) : m_text(std::move(text)) {}
    std::string m_text;
};

}  // namespace platform
