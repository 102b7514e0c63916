#include "platform/base/Value.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/base/Exception.h"

namespace platform {
namespace {

class Sample : public Object {};

TEST(ValueTest, LenientReadersConvertNumbersAndRefuseOtherKinds) {
    EXPECT_EQ(Value(3.9).integerValue(), 3);
    EXPECT_EQ(Value(1e300).integerValue(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Value(-1e300).integerValue(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Value(std::numeric_limits<double>::quiet_NaN()).integerValue(-1), -1);
    EXPECT_TRUE(Value(2).boolValue());
    EXPECT_DOUBLE_EQ(Value(true).doubleValue(), 1.0);
    EXPECT_EQ(Value("12").integerValue(-1), -1);
    EXPECT_EQ(Value(12).stringValue("none"), "none");
}

TEST(ValueTest, ObjectsCompareByIdentityCastByClassAndNameTheirClassWithoutNamespaces) {
    auto first = std::make_shared<Sample>();
    EXPECT_EQ(first->className(), "Sample");
    auto second = std::make_shared<Sample>();
    EXPECT_EQ(Value(first), Value(first));
    EXPECT_NE(Value(first), Value(second));
    EXPECT_EQ(Value(first).object<Sample>(), first);
    EXPECT_EQ(Value(1).object<Sample>(), nullptr);
}

TEST(ExceptionTest, AbstractClassExceptionNamesClassAndSelector) {
    try {
        Exception::raiseAbstractClass("QOVDatasouce", "requestLocation:");
        FAIL() << "no exception";
    } catch (const Exception& exception) {
        EXPECT_EQ(exception.name(), "Abstract Class Exception");
        EXPECT_EQ(exception.reason(), "Class QOVDatasouce must implement the selector requestLocation:");
    }
}

}  // namespace
}  // namespace platform
