#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/storage/BinaryPlistReader.h"
#include "platform/storage/BinaryPlistWriter.h"
#include "platform/storage/PropertyList.h"

namespace platform {
namespace {

std::string ourBytes(const Value& value) {
    BinaryPlistWriter writer;
    const auto top = writer.addValue(value);
    return top ? writer.finish(*top) : std::string();
}

Value readByLibplist(const std::string& bytes) {
    std::string problem;
    const PlistNode root = PropertyList::parseBinary(bytes, problem);
    EXPECT_NE(root, nullptr) << problem;
    return root ? PropertyList::toValue(root.get()) : Value();
}

Value readByUs(const std::string& bytes) {
    std::string problem;
    const auto reader = BinaryPlistReader::open(bytes, problem);
    EXPECT_TRUE(reader) << problem;
    return reader ? reader->toValue(reader->top()) : Value();
}

std::string libplistBytes(const Value& value) {
    const PlistNode node = PropertyList::fromValue(value);
    return PropertyList::binaryBytes(node.get()).value();
}

Value sampleOfEveryKind() {
    Array integers;
    for (const std::int64_t number :
         {std::int64_t{0}, std::int64_t{255}, std::int64_t{256}, std::int64_t{65535}, std::int64_t{65536},
          std::int64_t{4294967295}, std::int64_t{4294967296}, std::int64_t{-1},
          std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()}) {
        integers.emplace_back(number);
    }
    Array reals;
    for (const double real : {0.5, 0.1, -0.0, 1e300, 3.0e38, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::denorm_min()}) {
        reals.emplace_back(real);
    }
    Array texts;
    for (const char* text : {"", "abc", "fifteen letters", "Zürich", "東京 ☀", "😀 and \U0001F30A"}) {
        texts.emplace_back(text);
    }
    Dictionary nested{{"dates", Array{Date{978'307'200.0}, Date{1'800'000'000.25}, Date{-100'000'000.5}}},
                      {"data", Data{0, 1, 0xFF, 0}},
                      {"flags", Array{true, false}},
                      {"ключ", "wide key"},
                      {"empty", Dictionary{}}};
    return Dictionary{{"integers", integers}, {"reals", reals}, {"texts", texts}, {"nested", nested}};
}

// A list past 255 objects and 64 KiB, so references and offsets take more than one and two bytes.
Value largeSample() {
    Array rows;
    for (int index = 0; index < 3000; ++index) {
        rows.emplace_back(Dictionary{{"index", index},
                                     {"name", "row " + std::to_string(index)},
                                     {"value", index * 0.25},
                                     {"padding", std::string(20, 'x')}});
    }
    return Dictionary{{"rows", rows}};
}

TEST(BinaryPlistCodecTest, LibplistAndOurCodecReadEachOthersLists) {
    for (const Value& value : {sampleOfEveryKind(), largeSample()}) {
        const std::string ours = ourBytes(value);
        EXPECT_EQ(readByLibplist(ours), value);
        EXPECT_EQ(readByUs(ours), value);
        EXPECT_EQ(readByUs(libplistBytes(value)), value);
    }
}

// Other writers put 16-byte integers (marker 0x14) in lists; the value is the low 8 bytes.
TEST(BinaryPlistCodecTest, SixteenByteIntegersReadAsTheirLowHalf) {
    using namespace std::string_literals;
    const std::string bytes = "bplist00"s + "\xA2\x01\x02"s +  // at 8: a list of objects 1 and 2
                              "\x14"s + std::string(8, '\0') + "\x00\x00\x00\x01\x23\x45\x67\x89"s +    // at 11
                              "\x14"s + std::string(8, '\xFF') + "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFE"s +  // at 28
                              "\x08\x0B\x1C"s +  // offset table at 45
                              std::string(6, '\0') + "\x01\x01"s + std::string(7, '\0') + "\x03"s +
                              std::string(8, '\0') + std::string(7, '\0') + "\x2D"s;
    const Value expected(Array{std::int64_t{0x123456789}, std::int64_t{-2}});
    EXPECT_EQ(readByUs(bytes), expected);
    EXPECT_EQ(readByLibplist(bytes), expected);
}

TEST(BinaryPlistCodecTest, RepeatedScalarsAreWrittenOnce) {
    Array repeated(100, Value(Dictionary{{"temperature", 21}, {"sky", "clear"}}));
    const std::string once = ourBytes(Value(Array{repeated.front()}));
    const std::string hundred = ourBytes(Value(repeated));
    // Each further dictionary adds its marker and four references, not its keys and values again.
    EXPECT_LT(hundred.size(), once.size() + 99 * 16);
    EXPECT_EQ(readByLibplist(hundred), Value(repeated));
}

TEST(BinaryPlistCodecTest, NotANumberMalformedTextAndTextsWithNulSurvive) {
    const Value value(
        Array{std::numeric_limits<double>::quiet_NaN(), std::string("a\xFF\xC3(b"), std::string("before\0after", 12)});
    const std::string ours = ourBytes(value);
    for (const Value& read : {readByLibplist(ours), readByUs(ours)}) {
        ASSERT_EQ(read.ifArray()->size(), 3u);
        EXPECT_TRUE(std::isnan(*(*read.ifArray())[0].ifDouble()));
        EXPECT_EQ(*(*read.ifArray())[1].ifString(), "a\uFFFD\uFFFD(b");
        EXPECT_EQ(*(*read.ifArray())[2].ifString(), "beforeafter");  // the NUL is left out, nothing cut off
    }
}

}  // namespace
}  // namespace platform
