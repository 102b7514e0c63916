#include "app/core/categories/NSDecimalNumberQOV.h"

namespace qov {

using platform::DecimalNumber;

DecimalNumber NSDecimalNumberQOV::decimalNumberWithBool(bool value) {
    return DecimalNumber::fromInteger(value ? 1 : 0);
}
DecimalNumber NSDecimalNumberQOV::decimalNumberWithChar(signed char value) { return DecimalNumber::fromInteger(value); }
DecimalNumber NSDecimalNumberQOV::decimalNumberWithDouble(double value) { return DecimalNumber::fromDouble(value); }
DecimalNumber NSDecimalNumberQOV::decimalNumberWithFloat(float value) { return DecimalNumber::fromFloat(value); }
DecimalNumber NSDecimalNumberQOV::decimalNumberWithInt(int value) { return DecimalNumber::fromInteger(value); }
DecimalNumber NSDecimalNumberQOV::decimalNumberWithInteger(long value) { return DecimalNumber::fromInteger(value); }
DecimalNumber NSDecimalNumberQOV::decimalNumberWithLong(long value) { return DecimalNumber::fromInteger(value); }
DecimalNumber NSDecimalNumberQOV::decimalNumberWithLongLong(long long value) {
    return DecimalNumber::fromInteger(value);
}
DecimalNumber NSDecimalNumberQOV::decimalNumberWithShort(short value) { return DecimalNumber::fromInteger(value); }
DecimalNumber NSDecimalNumberQOV::decimalNumberWithUnsignedChar(unsigned char value) {
    return DecimalNumber::fromUnsignedInteger(value);
}
DecimalNumber NSDecimalNumberQOV::decimalNumberWithUnsignedInt(unsigned int value) {
    return DecimalNumber::fromUnsignedInteger(value);
}
DecimalNumber NSDecimalNumberQOV::decimalNumberWithUnsignedInteger(unsigned long value) {
    return DecimalNumber::fromUnsignedInteger(value);
}
DecimalNumber NSDecimalNumberQOV::decimalNumberWithUnsignedLong(unsigned long value) {
    return DecimalNumber::fromUnsignedInteger(value);
}
DecimalNumber NSDecimalNumberQOV::decimalNumberWithUnsignedLongLong(unsigned long long value) {
    return DecimalNumber::fromUnsignedInteger(value);
}
DecimalNumber NSDecimalNumberQOV::decimalNumberWithUnsignedShort(unsigned short value) {
    return DecimalNumber::fromUnsignedInteger(value);
}

}  // namespace qov
