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
    EXPECT_EQ(Reader::stringWithKey("f", d), "false");
    EXPECT_EQ(Reader::stringWithKey("big", d), "18446744073709551615");
    EXPECT_EQ(Reader::stringWithKey("l", d, "x"), "x");
    EXPECT_FALSE(Reader::optionalStringWithKey("o", d).has_value());
}

TEST_F(JsonValueReaderTest, IntegersTruncateAndSaturate) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const std::pair<const char*, std::int32_t> cases[] = {{"71.6", 71},
                                                          {"-71.6", -71},
                                                          {R"("270")", 270},
                                                          {R"(" -12abc")", -12},
                                                          {R"("abc")", 0},
                                                          {"1e30", kMax},
                                                          {"-1e30", kMin},
                                                          {R"("99999999999")", kMax},
                                                          {R"("-99999999999")", kMin},
                                                          {"true", 1},
                                                          {"18446744073709551615", kMax},
                                                          {"[3]", 0}};
    for (const auto& [json, value] : cases) {
        EXPECT_EQ(Reader::integerWithKey("v", parse(std::string(R"({"v":)") + json + "}")), value) << json;
    }
}

TEST_F(JsonValueReaderTest, DoublesFromTextAndNumbers) {
    const std::pair<const char*, double> cases[] = {
        {R"("33.75")", 33.75}, {R"(" +1.5e2 ft")", 150.0}, {R"("-0.25")", -0.25}, {R"("inf")", 0.0},  {R"("nan")", 0.0},
        {R"("x1")", 0.0},      {"-84.388", -84.388},       {R"("+-3")", 0.0},     {R"({"x":1})", 0.0}};
    for (const auto& [json, value] : cases) {
        EXPECT_EQ(Reader::doubleWithKey("v", parse(std::string(R"({"v":)") + json + "}")), value) << json;
    }
    const auto* d = parse(R"({"a":"33.75","g":-84.388})");
    EXPECT_EQ(Reader::epochDateWithKey("a", d), platform::Date{33.75});
    EXPECT_EQ(Reader::coordinatesWithLatitudeKey("a", "g", d), (LocationCoordinate{33.75, -84.388}));
}

TEST_F(JsonValueReaderTest, DecimalsKeepTheDefaultOnlyForWrongKindsAndTimeZonesMustBeKnown) {
    const auto* d = parse(R"({"a":"29.92","c":[1],"z":"America/New_York","m":"Mars/Base","n":5})");
    EXPECT_EQ(Reader::decimalWithKey("a", d), 29.92);
    EXPECT_EQ(Reader::decimalWithKey("c", d, 7.0), 7.0);
    EXPECT_EQ(Reader::timeZoneWithKey("z", d), "America/New_York");
    EXPECT_FALSE(Reader::timeZoneWithKey("m", d).has_value());
    EXPECT_FALSE(Reader::timeZoneWithKey("n", d).has_value());
}

TEST_F(JsonValueReaderTest, ListsKeepOnlyObjects) {
    const auto* d = parse(R"({"l":[{"a":1},null,2,"x",[],{"a":2}],"o":{"a":1}})");
    const auto objects = Reader::objectsInListWithKey("l", d);
    ASSERT_EQ(objects.size(), 2U);
    EXPECT_EQ(Reader::integerWithKey("a", &objects[1]), 2);
    EXPECT_TRUE(Reader::objectsInListWithKey("o", d).empty());
    EXPECT_FALSE(Reader::objectWithKey("l", d).has_value());
}

}  // namespace
}  // namespace qov
