#include "app/core/xml/NSDictionaryQOV.h"

#include <gtest/gtest.h>

#include "app/core/xml/XMLParseUtilities.h"

namespace qov {
namespace {

using platform::Array;
using platform::Dictionary;

Dictionary rootOf(std::string_view document) {
    auto nodes = PerformXMLAllNodesQuery(document);
    EXPECT_TRUE(nodes && !nodes->empty());
    return nodes && !nodes->empty() ? nodes->front() : Dictionary{};
}

TEST(NSDictionaryQOV, SubDictionaryIsTheReceiverOrTheFirstDescendantDepthFirst) {
    const Dictionary root = rootOf(R"(<r><a><b id="deep"/></a><b id="shallow"/><c/></r>)");
    EXPECT_EQ(NSDictionaryQOV::subDictionaryWithKey(root, "r"), &root);
    const Dictionary* b = NSDictionaryQOV::subDictionaryWithKey(root, "b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(NSDictionaryQOV::attributeWithKey(*b, "id"), "deep");
    EXPECT_NE(NSDictionaryQOV::subDictionaryWithKey(root, "c"), nullptr);
    EXPECT_EQ(NSDictionaryQOV::subDictionaryWithKey(root, "missing"), nullptr);
    EXPECT_EQ(NSDictionaryQOV::subDictionaryWithKey(Dictionary{}, "r"), nullptr);
}

TEST(NSDictionaryQOV, WrongKindsAreIgnored) {
    const Dictionary odd{
        {"name", 5}, {"children", Array{"text", 3, Dictionary{{"name", "x"}}}}, {"attributes", "none"}};
    const Dictionary* x = NSDictionaryQOV::subDictionaryWithKey(odd, "x");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->at("name"), platform::Value("x"));
    EXPECT_FALSE(NSDictionaryQOV::attributeWithKey(odd, "a"));
}

TEST(NSDictionaryQOV, AttributeIsTheFirstOfThatName) {
    const Dictionary node{{"attributes", Array{Dictionary{{"name", "a"}}, Dictionary{{"name", "a"}, {"value", "2"}},
                                               Dictionary{{"name", "b"}, {"value", "3"}}}}};
    EXPECT_FALSE(NSDictionaryQOV::attributeWithKey(node, "a"));
    EXPECT_EQ(NSDictionaryQOV::attributeWithKey(node, "b"), "3");
    EXPECT_FALSE(NSDictionaryQOV::attributeWithKey(node, "c"));
    EXPECT_EQ(NSDictionaryQOV::attributeWithKey(rootOf(R"(<r x="&amp;1"/>)"), "x"), "&1");
}

}  // namespace
}  // namespace qov
