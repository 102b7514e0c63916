#include "app/core/xml/XmlParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <stdexcept>

#include "tests/support/TempHome.h"

namespace qov {
namespace {

// Claims the names it is given, records every event, and is done at any end tag of a claimed name
// (so it relies on the parser to count depth).
class RecordingHandler : public XmlHandler {
public:
    explicit RecordingHandler(std::set<std::string> claims) : m_claims(std::move(claims)) {}

    bool handleTag(const std::string& name) override {
        offered.push_back(name);
        return m_claims.count(name) > 0;
    }
    bool onStartElement(const std::string& name, const XmlAttributes& attributes) override {
        tags.push_back("<" + name);
        lastAttributes = attributes;
        return true;
    }
    // Text pieces are joined, so tests do not depend on how the reader splits text.
    bool onContent(std::string_view piece) override {
        text += piece;
        return true;
    }
    bool onEndElement(const std::string& name) override {
        tags.push_back(">" + name);
        return m_claims.count(name) > 0;
    }

    std::vector<std::string> offered;
    std::vector<std::string> tags;
    std::string text;
    XmlAttributes lastAttributes;

private:
    std::set<std::string> m_claims;
};

using Tags = std::vector<std::string>;

struct ParserWithHandler {
    explicit ParserWithHandler(std::set<std::string> claims)
        : handler(std::make_shared<RecordingHandler>(std::move(claims))) {
        parser.addXmlHandler(handler);
    }
    XmlParser parser;
    std::shared_ptr<RecordingHandler> handler;
};

TEST(XmlParserRouting, RequiredRootIsSwallowedAndUnclaimedElementsAreSkippedWhole) {
    struct Case {
        const char* document;
        const char* requireTag;
        Tags offered;
        Tags tags;
    };
    const Case cases[] = {
        {"<root><a>1</a></root>", "root", {"a"}, {"<a", ">a"}},
        {"<root><a>1</a></root>", "", {"root"}, {}},     // an unclaimed root skips the whole document
        {"<other><a/></other>", "root", {"other"}, {}},  // a different first tag is read normally, without error
        {"<r><s><a>in</a>text</s><a>out</a></r>", "r", {"s", "a"}, {"<a", ">a"}},
        // A nested element of the skipped name does not end the skip.
        {"<r><s><s/><a>in</a></s><a>out</a></r>", "r", {"s", "a"}, {"<a", ">a"}},
    };
    for (const auto& [document, requireTag, offered, tags] : cases) {
        SCOPED_TRACE(document);
        ParserWithHandler fixture({"a"});
        std::optional<XmlError> error;
        EXPECT_TRUE(fixture.parser.parseXmlData(document, requireTag, &error));
        EXPECT_FALSE(error);
        EXPECT_EQ(fixture.handler->offered, offered);
        EXPECT_EQ(fixture.handler->tags, tags);
    }
    ParserWithHandler rootClaimed({"root", "a"});
    EXPECT_TRUE(rootClaimed.parser.parseXmlData("<root><a>1</a></root>"));
    EXPECT_EQ(rootClaimed.handler->tags, (Tags{"<root", "<a", ">a", ">root"}));
}

TEST(XmlParserClaims, NestedElementOfTheClaimedNameDoesNotEndTheClaim) {
    ParserWithHandler fixture({"a"});
    EXPECT_TRUE(fixture.parser.parseXmlData("<r><a><a>x</a><b>y</b></a><c/><a/></r>", "r"));
    // The inner </a> answered "done", but <b> still belongs to the outer <a>.
    EXPECT_EQ(fixture.handler->tags, (Tags{"<a", "<a", ">a", "<b", ">b", ">a", "<a", ">a"}));
    EXPECT_EQ(fixture.handler->offered, (Tags{"a", "c", "a"}));
}

TEST(XmlParserClaims, FirstClaimingHandlerWinsAndTheNextElementIsOfferedToAllAgain) {
    XmlParser parser;
    auto first = std::make_shared<RecordingHandler>(std::set<std::string>{"a"});
    auto second = std::make_shared<RecordingHandler>(std::set<std::string>{"a", "b"});
    parser.addXmlHandler(nullptr);
    parser.addXmlHandler(first);
    parser.addXmlHandler(second);
    EXPECT_TRUE(parser.parseXmlData("<r><a>1</a><b>2</b></r>", "r"));
    EXPECT_EQ(first->text, "1");
    EXPECT_EQ(second->text, "2");
    EXPECT_EQ(first->offered, (Tags{"a", "b"}));
    EXPECT_EQ(second->offered, Tags{"b"});
}

TEST(XmlParserContent, AttributesAndPrefixedNamesAreReportedAsWritten) {
    ParserWithHandler fixture({"m:item"});
    EXPECT_TRUE(fixture.parser.parseXmlData(
        R"(<m:item xmlns:m="urn:m" m:id="7" title="Tom &amp; Jerry &lt;3" note="a&#38;b"/>)"));
    EXPECT_EQ(fixture.handler->tags, (Tags{"<m:item", ">m:item"}));
    EXPECT_EQ(fixture.handler->lastAttributes,
              (XmlAttributes{{"xmlns:m", "urn:m"}, {"m:id", "7"}, {"title", "Tom & Jerry <3"}, {"note", "a&b"}}));
}

TEST(XmlParserContent, DeclaredEntitiesAreNeverSubstituted) {
    ParserWithHandler fixture({"a"});
    std::optional<XmlError> error;
    EXPECT_FALSE(fixture.parser.parseXmlData(R"(<!DOCTYPE a [<!ENTITY e "secret">]><a>x&e;</a>)", {}, &error));
    EXPECT_TRUE(error);
    EXPECT_EQ(fixture.handler->text.find("secret"), std::string::npos);
}

TEST(XmlParserContent, UndeclaredPrefixIsNotAnErrorAndSuccessLeavesTheErrorPlaceAlone) {
    ParserWithHandler fixture({"x:a"});
    std::optional<XmlError> error = XmlError{"earlier", 9, "kept", 1};
    EXPECT_TRUE(fixture.parser.parseXmlData("<x:a>1</x:a>", {}, &error));
    EXPECT_EQ(fixture.handler->text, "1");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain, "earlier");
}

TEST(XmlParserMalformed, ErrorIsReportedAndEarlierEventsAreKept) {
    ParserWithHandler fixture({"a"});
    std::optional<XmlError> error;
    EXPECT_FALSE(fixture.parser.parseXmlData("<r>\n<a>one</a>\n<a>two</b></r>", "r", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain, "XmlParser");
    EXPECT_NE(error->code, 0);
    EXPECT_EQ(error->line, 3);
    EXPECT_FALSE(error->description.empty());
    EXPECT_EQ(fixture.handler->text, "onetwo");
}

TEST(XmlParserMalformed, BrokenDocumentsAnswerFalse) {
    for (const std::string_view document :
         {std::string_view(""), std::string_view("   "), std::string_view("<a><b>"), std::string_view("not xml"),
          std::string_view("<a></a><b/>"), std::string_view("<a x='1' x='2'/>"), std::string_view("<a>&bogus;</a>"),
          std::string_view("<a>\0</a>", 8), std::string_view("<?xml version='1.0' encoding='nonsense'?><a/>"),
          std::string_view("<a>\xff\xfe</a>")}) {
        ParserWithHandler fixture({"a"});
        std::optional<XmlError> error;
        EXPECT_FALSE(fixture.parser.parseXmlData(document, {}, &error)) << document;
        EXPECT_TRUE(error) << document;
        EXPECT_FALSE(fixture.parser.parseXmlData(document)) << document;
    }
}

TEST(XmlParserMalformed, ThrowingHandlerStopsTheParseWithAnError) {
    class Throwing : public RecordingHandler {
    public:
        Throwing() : RecordingHandler({"a"}) {}
        bool onContent(std::string_view) override { throw std::runtime_error("boom"); }
    };
    XmlParser parser;
    auto handler = std::make_shared<Throwing>();
    parser.addXmlHandler(handler);
    std::optional<XmlError> error;
    EXPECT_FALSE(parser.parseXmlData("<a>text<b/></a>", {}, &error));
    ASSERT_TRUE(error);
    EXPECT_NE(error->description.find("boom"), std::string::npos);
    EXPECT_EQ(handler->tags, Tags{"<a"});
}

TEST(XmlParserReset, EveryParseStartsAfresh) {
    ParserWithHandler fixture({"a"});
    // Ends inside a claimed element.
    EXPECT_FALSE(fixture.parser.parseXmlData("<r><a><b>", "r"));
    fixture.handler->offered.clear();
    fixture.handler->tags.clear();
    fixture.handler->text.clear();
    // The root is swallowed again and the first element is offered again.
    EXPECT_TRUE(fixture.parser.parseXmlData("<r><a>1</a></r>", "r"));
    EXPECT_EQ(fixture.handler->offered, Tags{"a"});
    EXPECT_EQ(fixture.handler->tags, (Tags{"<a", ">a"}));

    // Ends inside a skipped element; the next parse does not go on skipping.
    EXPECT_FALSE(fixture.parser.parseXmlData("<r><s><s>", "r"));
    fixture.handler->tags.clear();
    fixture.handler->text.clear();
    EXPECT_TRUE(fixture.parser.parseXmlData("<r><a>2</a></r>", "r"));
    EXPECT_EQ(fixture.handler->text, "2");

    // A parse without a required tag offers the root, even after parses with one.
    fixture.handler->offered.clear();
    EXPECT_TRUE(fixture.parser.parseXmlData("<r><a>3</a></r>"));
    EXPECT_EQ(fixture.handler->offered, Tags{"r"});
}

TEST(XmlParserFiles, ReadsAFileAndReportsAMissingOne) {
    qovtest::TempHome home;
    const auto file = home.path() / "feed.xml";
    std::ofstream(file) << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r><a>caf\xe9</a></r>";
    ParserWithHandler fixture({"a"});
    EXPECT_TRUE(fixture.parser.parseXml(file, "r"));
    EXPECT_EQ(fixture.handler->text, "caf\u00e9");

    std::optional<XmlError> error;
    EXPECT_FALSE(fixture.parser.parseXml(home.path() / "missing.xml", "r", &error));
    ASSERT_TRUE(error);
    EXPECT_NE(error->description.find("missing.xml"), std::string::npos);
    EXPECT_FALSE(fixture.parser.parseXml(home.path(), "r"));
}

TEST(XmlParserLimits, DeepNestingIsRefusedWithoutCrashing) {
    std::string document;
    for (int level = 0; level < 5000; ++level) {
        document += "<a>";
    }
    ParserWithHandler fixture({"a"});
    std::optional<XmlError> error;
    EXPECT_FALSE(fixture.parser.parseXmlData(document, {}, &error));
    EXPECT_TRUE(error);
}

}  // namespace
}  // namespace qov
