#include "app/core/xml/XMLParseUtilities.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "app/core/xml/NSDictionaryQOV.h"
#include "tests/support/LogCapture.h"

namespace qov {
namespace {

using platform::Array;
using platform::Dictionary;

TEST(XMLParseUtilities, AllNodesQueryStartsWithTheRootsWholeTree) {
    std::optional<XmlError> error = XmlError{"stale", 5, "", 0};
    const auto nodes = PerformXMLAllNodesQuery(R"(<r a=" 1 "><x>t</x></r>)", &error);
    ASSERT_TRUE(nodes);
    EXPECT_FALSE(error);
    ASSERT_EQ(nodes->size(), 2u);
    const Dictionary expected{
        {"name", "r"},
        {"attributes", Array{Dictionary{{"name", "a"}, {"value", "1"}}}},
        {"children", Array{Dictionary{{"name", "x"}, {"value", "t"}}}},
    };
    EXPECT_EQ(nodes->front(), expected);
    EXPECT_EQ(nodes->back(), (Dictionary{{"name", "x"}, {"value", "t"}}));
}

TEST(XMLParseUtilities, NodesHoldOnlyWhatTheyHaveWithTextTrimmedButCdataKept) {
    const Dictionary x{{"name", "x"}, {"value", "1"}};
    const Dictionary y{{"name", "y"}, {"value", "2"}};
    const std::tuple<const char*, const char*, Array> cases[] = {
        {"<r><empty/><blank b=''/></r>",
         "//empty | //blank",
         {Dictionary{{"name", "empty"}},
          Dictionary{{"name", "blank"}, {"attributes", Array{Dictionary{{"name", "b"}, {"value", ""}}}}}}},
        {"<r><c><![CDATA[  a <b> \n]]></c></r>", "//c", {Dictionary{{"name", "c"}, {"value", "  a <b> \n"}}}},
        {"<r>\n  <x>1</x>\n  <y> 2 </y> tail </r>",
         "/r",
         {Dictionary{{"name", "r"}, {"value", "tail"}, {"children", Array{x, y}}}}},
    };
    for (const auto& [document, query, expected] : cases) {
        const auto nodes = PerformXMLXPathQuery(document, query);
        ASSERT_TRUE(nodes) << document;
        EXPECT_EQ(Array(nodes->begin(), nodes->end()), expected) << document;
    }
}

TEST(XMLParseUtilities, OtherNodeKindsAreConvertedSafely) {
    const std::string_view document =
        R"(<?xml version="1.0"?><!DOCTYPE r><r xmlns:m="urn:m" m:a=" v "><!--c--><?pi d?>t</r>)";
    const auto texts = PerformXMLXPathQuery(document, "//text()");
    ASSERT_TRUE(texts);
    ASSERT_EQ(texts->size(), 1u);
    EXPECT_EQ(texts->front(), (Dictionary{{"name", "text"}, {"value", "t"}}));

    const auto attributes = PerformXMLXPathQuery(document, "//@*");
    ASSERT_TRUE(attributes);
    ASSERT_EQ(attributes->size(), 1u);
    EXPECT_EQ(attributes->front(), (Dictionary{{"name", "a"}, {"value", "v"}}));

    const auto namespaces = PerformXMLXPathQuery(document, "//namespace::*");
    ASSERT_TRUE(namespaces);
    EXPECT_TRUE(namespaces->empty());

    const auto documentNode = PerformXMLXPathQuery(document, "/");
    ASSERT_TRUE(documentNode);
    ASSERT_EQ(documentNode->size(), 1u);
    // The document type declaration is left out, so the lookup finds the root element.
    const auto* root = NSDictionaryQOV::subDictionaryWithKey(documentNode->front(), "r");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->at("attributes"), platform::Value(Array{Dictionary{{"name", "a"}, {"value", "v"}}}));
    EXPECT_EQ(root->at("value"), platform::Value("t"));
    EXPECT_EQ(root->at("children"), platform::Value(Array{Dictionary{{"name", "comment"}, {"value", "c"}},
                                                          Dictionary{{"name", "pi"}, {"value", "d"}}}));
}

TEST(XMLParseUtilities, RecoverModeReadsBrokenDocuments) {
    const auto nodes = PerformXMLAllNodesQuery("<r><a>x</r>");
    ASSERT_TRUE(nodes);
    ASSERT_FALSE(nodes->empty());
    EXPECT_EQ(nodes->front().at("name"), platform::Value("r"));
}

TEST(XMLParseUtilities, DataWithoutElementsAnswersNoNodesAndEmptyDataNothing) {
    for (const std::string_view data :
         {std::string_view("garbage"), std::string_view("<"), std::string_view("\xff\xfe\x00", 3)}) {
        const auto nodes = PerformXMLAllNodesQuery(data);
        ASSERT_TRUE(nodes) << data;
        EXPECT_TRUE(nodes->empty()) << data;
    }
    std::optional<XmlError> error = XmlError{"untouched", 42, "", 0};
    EXPECT_FALSE(PerformXMLAllNodesQuery("", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, 42);
}

TEST(XMLParseUtilities, QueryFailuresCarryTheirCodes) {
    std::optional<XmlError> error;
    EXPECT_FALSE(PerformXMLXPathQuery("<r/>", "//[", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain, "XMLParseUtilities");
    EXPECT_EQ(error->code, 1);

    error.reset();
    EXPECT_FALSE(PerformXMLXPathQuery("<r/>", "count(//*)", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, 2);

    error.reset();
    EXPECT_FALSE(PerformXPathQuery(nullptr, "//*", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code, 0);

    const auto none = PerformXMLXPathQuery("<r/>", "//missing", nullptr);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

TEST(XMLParseUtilities, LibXmlsOwnMessagesGoToTheLogNotToStandardError) {
    const qovtest::LogCapture log;
    testing::internal::CaptureStderr();
    std::optional<XmlError> error;
    EXPECT_FALSE(PerformXMLXPathQuery("<a><b>1</b></a>", "foo()", &error));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(log.contains("libxml2: xmlXPathCompOpEval: function foo not found"));
}

TEST(XMLParseUtilities, InternalEntitiesAreNotSubstituted) {
    const auto nodes = PerformXMLXPathQuery(R"(<!DOCTYPE r [<!ENTITY e "secret">]><r a="1">x&e;y</r>)", "/r");
    ASSERT_TRUE(nodes);
    ASSERT_EQ(nodes->size(), 1u);
    EXPECT_EQ(nodes->front().at("value"), platform::Value("xy"));
    EXPECT_EQ(nodes->front().at("children"), platform::Value(Array{Dictionary{{"name", "e"}}}));
}

TEST(XMLParseUtilities, ExponentialEntitiesStayCheap) {
    std::string document = "<!DOCTYPE r [<!ENTITY a0 \"lol\">";
    for (int level = 1; level < 30; ++level) {
        document += "<!ENTITY a" + std::to_string(level) + " \"";
        for (int copy = 0; copy < 10; ++copy) {
            document += "&a" + std::to_string(level - 1) + ";";
        }
        document += "\">";
    }
    document += "]><r>&a29;</r>";
    const auto nodes = PerformXMLAllNodesQuery(document);
    if (nodes) {
        for (const auto& node : *nodes) {
            const auto* value = platform::valueForKey(node, "value");
            EXPECT_TRUE(value == nullptr || value->stringValue().find("lol") == std::string::npos);
        }
    }
}

}  // namespace
}  // namespace qov
