#pragma once

#include <cstdint>

#include "platform/base/DecimalNumber.h"

namespace qov {

// Decimal numbers equal to scalars, one builder per scalar type.
class NSDecimalNumberQOV {
public:
    static platform::DecimalNumber decimalNumberWithBool(bool value);
    static platform::DecimalNumber decimalNumberWithChar(signed char value);
    static platform::DecimalNumber decimalNumberWithDouble(double value);
    static platform::DecimalNumber decimalNumberWithFloat(float value);
    static platform::DecimalNumber decimalNumberWithInt(int value);
    static platform::DecimalNumber decimalNumberWithInteger(long value);
    static platform::DecimalNumber decimalNumberWithLong(long value);
    static platform::DecimalNumber decimalNumberWithLongLong(long long value);
    static platform::DecimalNumber decimalNumberWithShort(short value);
    static platform::DecimalNumber decimalNumberWithUnsignedChar(unsigned char value);
    static platform::DecimalNumber decimalNumberWithUnsignedInt(unsigned int value);
    static platform::DecimalNumber decimalNumberWithUnsignedInteger(unsigned long value);
    static platform::DecimalNumber decimalNumberWithUnsignedLong(unsigned long value);
    static platform::DecimalNumber decimalNumberWithUnsignedLongLong(unsigned long long value);
    static platform::DecimalNumber decimalNumberWithUnsignedShort(unsigned short value);
};

}  // namespace qov
