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

std::shared_ptr<TagHandler> parse(std::string_view document, std::string tag) {
    auto handler = std::make_shared<TagHandler>(std::move(tag));
    XmlParser parser;
    parser.addXmlHandler(handler);
    EXPECT_TRUE(parser.parseXmlData(document, "r"));
    return handler;
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

TEST(XmlTagHandler, ValuesAreKeptByTagPathWithTextTrimmedOnce) {
    struct Case {
        const char* document;
        const char* tag;
        const char* key;
        std::optional<std::string> value;
    };
    const char* const item = "<r><item><media><credit>ap</credit></media><id>7</id></item></r>";
    const char* const text =
        "<r><item><t>\n  Tom &amp; Jerry \n</t><c>Hello <![CDATA[big]]> world</c><n>&#160;x&#160;</n></item></r>";
    const Case cases[] = {
        {item, "item", "media/credit", "ap"},
        {item, "item", "id", "7"},
        {item, "item", "item/id", std::nullopt},
        // Entities and CDATA keep their blanks: the text is trimmed once, at the element's end.
        {text, "item", "t", "Tom & Jerry"},
        {text, "item", "c", "Hello big world"},
        {text, "item", "n", "x"},
        {"<r><item><blank>  </blank><empty/></item></r>", "item", "blank", ""},
        {"<r><item><blank>  </blank><empty/></item></r>", "item", "empty", std::nullopt},
        // A later element with the same path replaces the earlier.
        {"<r><a><b>x</b><b>y</b></a></r>", "a", "b", "y"},
        // Text left in one claim does not leak into the next.
        {"<r><item><a>1</a>tail</item><item><b>2</b></item></r>", "item", "b", "2"},
    };
    for (const auto& [document, tag, key, value] : cases) {
        SCOPED_TRACE(std::string(document) + " " + key);
        EXPECT_EQ(parse(document, tag)->getValue(key), value);
    }
}

TEST(XmlTagHandler, NestedElementOfTheClaimedNameDoesNotEndTheClaim) {
    const auto handler = parse("<r><item><t>1</t><item><t>2</t></item><u>3</u></item><x>skipped</x></r>", "item");
    EXPECT_EQ(handler->claims, 1);
    EXPECT_EQ(handler->getValue("t"), "1");
    EXPECT_EQ(handler->getValue("item/t"), "2");
    EXPECT_EQ(handler->getValue("u"), "3");
    EXPECT_FALSE(handler->getValue("x"));
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
