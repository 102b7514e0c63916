#include "app/core/xml/XmlTagHandler.h"

#include <gtest/gtest.h>

#include "app/core/xml/XmlParser.h"

namespace qov {
namespace {

class TagHandler : public XmlTagHandler {
public:
    explicit TagHandler(std::string tag) : m_tag(std::move(tag)) {}
    std::string getXmlContentTag() const override { return m_tag; }

    bool handleTag(const std::string& name) override {
        const bool claimed = XmlTagHandler::handleTag(name);
        claims += claimed ? 1 : 0;
        return claimed;
    }
    int claims = 0;

private:
    std::string m_tag;
};

std::shared_ptr<TagHandler> parse(std::string_view document, std::string tag, std::string_view requireTag = "r") {
    auto handler = std::make_shared<TagHandler>(std::move(tag));
    XmlParser parser;
    parser.addXmlHandler(handler);
    EXPECT_TRUE(parser.parseXmlData(document, requireTag));
    return handler;
}

TEST(XmlTagHandler, BaseClaimsOnlyItsPlaceholderTag) {
    XmlTagHandler handler;
    EXPECT_EQ(handler.getXmlContentTag(), "None");
    EXPECT_FALSE(handler.handleTag("item"));
    EXPECT_TRUE(handler.handleTag("None"));
}

TEST(XmlTagHandler, LaterElementWithTheSamePathReplacesTheEarlier) {
    const auto handler = parse("<r><a><b>x</b><b>y</b></a></r>", "a");
    EXPECT_EQ(handler->getValue("b"), "y");
}

TEST(XmlTagHandler, CollectsAnItemAndOffersTheNextElementAgain) {
    const auto handler = parse(
        "<r>\n  <item>\n    <title>Hi</title>\n    <link>u</link>\n  </item>\n  <item><title>Two</title></item>\n</r>",
        "item");
    EXPECT_EQ(handler->claims, 2);
    EXPECT_EQ(handler->getValue("title"), "Two");
    EXPECT_EQ(handler->getValue("link"), "u");
    EXPECT_EQ(handler->getDump(), "link -- u\ntitle -- Two\n");
}

TEST(XmlTagHandler, KeysAreTagPathsBelowTheClaimedElement) {
    const auto handler = parse("<r><item><media><credit>ap</credit></media><id>7</id></item></r>", "item");
    EXPECT_EQ(handler->getValue("media/credit"), "ap");
    EXPECT_EQ(handler->getValue("id"), "7");
    EXPECT_FALSE(handler->getValue("item/id"));
}

TEST(XmlTagHandler, TextIsTrimmedOnceSoEntitiesAndCdataKeepTheirBlanks) {
    const auto handler = parse(
        "<r><item><t>\n  Tom &amp; Jerry \n</t><c>Hello <![CDATA[big]]> world</c><n>&#160;x&#160;</n></item></r>",
        "item");
    EXPECT_EQ(handler->getValue("t"), "Tom & Jerry");
    EXPECT_EQ(handler->getValue("c"), "Hello big world");
    EXPECT_EQ(handler->getValue("n"), "x");
}

TEST(XmlTagHandler, BlankElementStoresEmptyTextAndEmptyElementNothing) {
    const auto handler = parse("<r><item><blank>  </blank><empty/></item></r>", "item");
    EXPECT_EQ(handler->getValue("blank"), "");
    EXPECT_FALSE(handler->getValue("empty"));
}

TEST(XmlTagHandler, NestedElementOfTheClaimedNameDoesNotEndTheClaim) {
    const auto handler = parse("<r><item><t>1</t><item><t>2</t></item><u>3</u></item><x>skipped</x></r>", "item");
    EXPECT_EQ(handler->claims, 1);
    EXPECT_EQ(handler->getValue("t"), "1");
    EXPECT_EQ(handler->getValue("item/t"), "2");
    EXPECT_EQ(handler->getValue("u"), "3");
    EXPECT_FALSE(handler->getValue("x"));
}

TEST(XmlTagHandler, TextLeftInOneClaimDoesNotLeakIntoTheNext) {
    const auto handler = parse("<r><item><a>1</a>tail</item><item><b>2</b></item></r>", "item");
    EXPECT_EQ(handler->getValue("b"), "2");
}

TEST(XmlTagHandler, ClaimedRootWithoutRequiredTag) {
    const auto handler = parse("<item><title>Hi</title></item>", "item", {});
    EXPECT_EQ(handler->getValue("title"), "Hi");
}

TEST(XmlTagHandler, SetValueWithNothingRemovesTheEntry) {
    XmlTagHandler handler;
    handler.setValue("v", "k");
    EXPECT_EQ(handler.getValue("k"), "v");
    handler.setValue(std::nullopt, "k");
    EXPECT_FALSE(handler.getValue("k"));
    EXPECT_EQ(handler.getDump(), "");
}

TEST(XmlTagHandler, MalformedDocumentKeepsWhatWasCollected) {
    auto handler = std::make_shared<TagHandler>("item");
    XmlParser parser;
    parser.addXmlHandler(handler);
    EXPECT_FALSE(parser.parseXmlData("<r><item><a>kept</a><b>lost</c></item></r>", "r"));
    EXPECT_EQ(handler->getValue("a"), "kept");
    EXPECT_FALSE(handler->getValue("b"));
}

}  // namespace
}  // namespace qov
