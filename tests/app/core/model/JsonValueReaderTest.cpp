#include "app/core/model/JsonValueReader.h"

#include <gtest/gtest.h>

#include <limits>

namespace qov {
namespace {

using Reader = JsonValueReader;

class JsonValueReaderTest : public ::testing::Test {
protected:
    const JsonValueReader::Dictionary* parse(const std::string& json) {
        simdjson::dom::object object;
        EXPECT_EQ(m_parser.parse(json).get_object().get(object), simdjson::SUCCESS) << json;
        m_object.emplace(object);
        return &*m_object;
    }

private:
    simdjson::dom::parser m_parser;
    std::optional<JsonValueReader::Dictionary> m_object;
};

TEST_F(JsonValueReaderTest, AbsentDictionaryKeyOrNullGiveDefaults) {
    for (const auto* d : {static_cast<const JsonValueReader::Dictionary*>(nullptr), parse(R"({"v":null})")}) {
        EXPECT_EQ(Reader::stringWithKey("v", d), "");
        EXPECT_EQ(Reader::stringWithKey("v", d, "fallback"), "fallback");
        EXPECT_FALSE(Reader::optionalStringWithKey("v", d).has_value());
        EXPECT_EQ(Reader::integerWithKey("v", d), 0);
        EXPECT_EQ(Reader::doubleWithKey("v", d), 0.0);
        EXPECT_FALSE(Reader::booleanWithKey("v", d));
        EXPECT_EQ(Reader::decimalWithKey("v", d), 0.0);
        EXPECT_FALSE(Reader::decimalWithKey("v", d, std::nullopt).has_value());
        EXPECT_EQ(Reader::epochDateWithKey("v", d), platform::Date{0});
        EXPECT_FALSE(Reader::timeZoneWithKey("v", d).has_value());
        EXPECT_FALSE(Reader::objectWithKey("v", d).has_value());
        EXPECT_TRUE(Reader::objectsInListWithKey("v", d).empty());
    }
}

TEST_F(JsonValueReaderTest, TextReaderTakesNumbersAndFlagsAsText) {
    const auto* d = parse(R"({"i":270,"d":71.6,"b":true,"f":false,"big":18446744073709551615,"l":[1],"o":{}})");
    EXPECT_EQ(Reader::stringWithKey("i", d), "270");
    EXPECT_EQ(Reader::stringWithKey("d", d), "71.6");
    EXPECT_EQ(Reader::stringWithKey("b", d), "true");
    EXPECT_EQ(Reader::stringWithKey("f", d), "false");
    EXPECT_EQ(Reader::stringWithKey("big", d), "18446744073709551615");
    EXPECT_EQ(Reader::stringWithKey("l", d, "x"), "x");
    EXPECT_FALSE(Reader::optionalStringWithKey("o", d).has_value());
}

TEST_F(JsonValueReaderTest, IntegersTruncateAndSaturate) {
    const auto* d = parse(R"({"a":71.6,"b":-71.6,"c":"270","d":" -12abc","e":"abc","f":1e30,"g":-1e30,
                            "h":"99999999999","i":"-99999999999","j":true,"k":18446744073709551615,"l":[3]})");
    EXPECT_EQ(Reader::integerWithKey("a", d), 71);
    EXPECT_EQ(Reader::integerWithKey("b", d), -71);
    EXPECT_EQ(Reader::integerWithKey("c", d), 270);
    EXPECT_EQ(Reader::integerWithKey("d", d), -12);
    EXPECT_EQ(Reader::integerWithKey("e", d), 0);
    EXPECT_EQ(Reader::integerWithKey("f", d), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Reader::integerWithKey("g", d), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Reader::integerWithKey("h", d), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Reader::integerWithKey("i", d), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Reader::integerWithKey("j", d), 1);
    EXPECT_EQ(Reader::integerWithKey("k", d), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Reader::integerWithKey("l", d), 0);
}

TEST_F(JsonValueReaderTest, DoublesFromTextAndNumbers) {
    const auto* d = parse(R"({"a":"33.75","b":" +1.5e2 ft","c":"-0.25","d":"inf","e":"nan","f":"x1","g":-84.388,
                            "h":"+-3","i":{"x":1}})");
    EXPECT_EQ(Reader::doubleWithKey("a", d), 33.75);
    EXPECT_EQ(Reader::doubleWithKey("b", d), 150.0);
    EXPECT_EQ(Reader::doubleWithKey("c", d), -0.25);
    EXPECT_EQ(Reader::doubleWithKey("d", d), 0.0);
    EXPECT_EQ(Reader::doubleWithKey("e", d), 0.0);
    EXPECT_EQ(Reader::doubleWithKey("f", d), 0.0);
    EXPECT_EQ(Reader::doubleWithKey("g", d), -84.388);
    EXPECT_EQ(Reader::doubleWithKey("h", d), 0.0);
    EXPECT_EQ(Reader::doubleWithKey("i", d), 0.0);
    EXPECT_EQ(Reader::epochDateWithKey("a", d), platform::Date{33.75});
    EXPECT_EQ(Reader::coordinatesWithLatitudeKey("a", "g", d), (LocationCoordinate{33.75, -84.388}));
}

TEST_F(JsonValueReaderTest, DecimalsKeepTheDefaultOnlyForWrongKinds) {
    const auto* d = parse(R"({"a":29.92,"b":"29.92","c":[1],"d":-5})");
    EXPECT_EQ(Reader::decimalWithKey("a", d), 29.92);
    EXPECT_EQ(Reader::decimalWithKey("b", d), 29.92);
    EXPECT_EQ(Reader::decimalWithKey("c", d, 7.0), 7.0);
    EXPECT_EQ(Reader::decimalWithKey("d", d), -5.0);
}

TEST_F(JsonValueReaderTest, TimeZonesMustBeKnown) {
    const auto* d = parse(R"({"a":"America/New_York","b":"Mars/Base","c":"","d":5,"e":"UTC"})");
    EXPECT_EQ(Reader::timeZoneWithKey("a", d), "America/New_York");
    EXPECT_FALSE(Reader::timeZoneWithKey("b", d).has_value());
    EXPECT_FALSE(Reader::timeZoneWithKey("c", d).has_value());
    EXPECT_FALSE(Reader::timeZoneWithKey("d", d).has_value());
    EXPECT_EQ(Reader::timeZoneWithKey("e", d), "UTC");
}

TEST_F(JsonValueReaderTest, ListsKeepOnlyObjects) {
    const auto* d = parse(R"({"l":[{"a":1},null,2,"x",[],{"a":2}],"o":{"a":1}})");
    const auto objects = Reader::objectsInListWithKey("l", d);
    ASSERT_EQ(objects.size(), 2U);
    EXPECT_EQ(Reader::integerWithKey("a", &objects[1]), 2);
    EXPECT_TRUE(Reader::objectsInListWithKey("o", d).empty());
    EXPECT_FALSE(Reader::objectWithKey("l", d).has_value());
}

TEST_F(JsonValueReaderTest, LookupsInAnyOrderFindEveryMember) {
    const auto* d = parse(R"({"a":1,"b":2,"c":3,"d":4})");
    EXPECT_EQ(Reader::integerWithKey("c", d), 3);
    EXPECT_EQ(Reader::integerWithKey("d", d), 4);
    EXPECT_EQ(Reader::integerWithKey("a", d), 1);
    EXPECT_EQ(Reader::integerWithKey("x", d), 0);
    EXPECT_EQ(Reader::integerWithKey("b", d), 2);
    EXPECT_EQ(Reader::integerWithKey("b", d), 2);
    EXPECT_EQ(Reader::integerWithKey("d", d), 4);
}

}  // namespace
}  // namespace qov
