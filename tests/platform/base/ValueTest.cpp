#include "platform/base/Value.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/base/Exception.h"

namespace platform {
namespace {

class Sample : public Object {};

TEST(ValueTest, KindsAreKeptExactly) {
    EXPECT_EQ(Value().kind(), Value::Kind::Null);
    EXPECT_EQ(Value(true).kind(), Value::Kind::Bool);
    EXPECT_EQ(Value(7).kind(), Value::Kind::Integer);
    EXPECT_EQ(Value(7u).kind(), Value::Kind::Integer);
    EXPECT_EQ(Value(7.5).kind(), Value::Kind::Double);
    EXPECT_EQ(Value("text").kind(), Value::Kind::String);
    EXPECT_EQ(Value(Date{5}).kind(), Value::Kind::Date);
    EXPECT_EQ(Value(Data{1, 2}).kind(), Value::Kind::Data);
    EXPECT_EQ(Value(Array{1, "two"}).kind(), Value::Kind::Array);
    EXPECT_EQ(Value(Dictionary{{"a", 1}}).kind(), Value::Kind::Dictionary);
    EXPECT_EQ(Value(std::make_shared<Sample>()).kind(), Value::Kind::Object);
    EXPECT_TRUE(Value(std::shared_ptr<Sample>()).isNull());
}

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

TEST(ValueTest, ObjectsCompareByIdentityAndCastByClass) {
    auto first = std::make_shared<Sample>();
    auto second = std::make_shared<Sample>();
    EXPECT_EQ(Value(first), Value(first));
    EXPECT_NE(Value(first), Value(second));
    EXPECT_EQ(Value(first).object<Sample>(), first);
    EXPECT_EQ(Value(1).object<Sample>(), nullptr);
}

TEST(ValueTest, NestedContainersCompareByContent) {
    const Dictionary left{{"list", Array{1, Dictionary{{"x", "y"}}}}};
    const Dictionary right{{"list", Array{1, Dictionary{{"x", "y"}}}}};
    EXPECT_EQ(Value(left), Value(right));
    ASSERT_NE(valueForKey(left, "list"), nullptr);
    EXPECT_EQ(valueForKey(left, "missing"), nullptr);
}

TEST(ObjectTest, ClassNameDropsNamespaces) {
    EXPECT_EQ(Sample().className(), "Sample");
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
