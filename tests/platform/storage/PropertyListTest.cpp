#include "platform/storage/PropertyList.h"

#include <gtest/gtest.h>

#include <string>

namespace platform {
namespace {

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int index = 0; index < times; ++index) {
        text += piece;
    }
    return text;
}

std::string plist(const std::string& body) {
    return "<?xml version=\"1.0\"?>\n<plist version=\"1.0\">" + body + "</plist>";
}

bool parses(const std::string& text) {
    std::string problem;
    return PropertyList::parseXml(text, problem) != nullptr;
}

TEST(PropertyListTest, XmlNestingIsLimitedToSixtyFourLevels) {
    EXPECT_TRUE(parses(plist(repeated("<array>", 64) + repeated("</array>", 64))));
    EXPECT_FALSE(parses(plist(repeated("<array>", 65) + repeated("</array>", 65))));
    EXPECT_FALSE(parses(plist(repeated("<dict><key>k</key>", 65) + repeated("</dict>", 65))));
    // Empty containers and closed siblings do not add up.
    EXPECT_TRUE(parses(plist("<array>" + repeated("<array/><dict/><array></array>", 500) + "</array>")));
}

TEST(PropertyListTest, MarkupThatHidesClosingTagsCannotSmuggleDepth) {
    const int levels = 20'000;  // deep enough to exhaust libplist's stack
    for (const std::string& piece : {
             std::string("<array><!--</array>-->"),
             std::string("<array><!--></array>-->"),
             std::string("<array><?pi \"?></array>\"?>"),
             std::string("<array><string a=\"></array>\">x</string>"),
             std::string("<array / >"),
             std::string("<array\t>"),
             std::string("<array><string><![CDATA[</array>]]></string>"),
             std::string("<!DOCTYPE plist [<!ENTITY e \"</array>\">]><array>"),
         }) {
        EXPECT_FALSE(parses(plist(repeated(piece, levels)))) << piece;
    }
}

TEST(PropertyListTest, OrdinaryDocumentsStillParse) {
    const std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n<!-- settings -->\n<dict>\n"
        "\t<key>text</key><string>a &lt;b&gt; <![CDATA[<array>]]> \"quoted</string>\n"
        "\t<key>list</key><array><integer>-3</integer><real>2.5</real><true/></array>\n"
        "\t<key>empty</key><dict/>\n"
        "</dict>\n</plist>\n";
    std::string problem;
    const PlistNode root = PropertyList::parseXml(text, problem);
    ASSERT_NE(root, nullptr) << problem;
    const Value value = PropertyList::toValue(root.get());
    EXPECT_EQ(value, Value(Dictionary{
                         {"text", "a <b> <array> \"quoted"}, {"list", Array{-3, 2.5, true}}, {"empty", Dictionary{}}}));
}

TEST(PropertyListTest, BinaryListsPastSixtyFourKilobytesReadBack) {
    // Past 64 KiB the offset table uses three-byte entries.
    const Value value(Array{Data(70'000, 'x'), "tail"});
    const PlistNode node = PropertyList::fromValue(value);
    const auto binary = PropertyList::binaryBytes(node.get());
    ASSERT_TRUE(binary);
    std::string problem;
    EXPECT_EQ(PropertyList::toValue(PropertyList::parseBinary(*binary, problem).get()), value) << problem;
}

}  // namespace
}  // namespace platform
