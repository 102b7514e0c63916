#include <libxml/parserInternals.h>

#include <gtest/gtest.h>

#include <fstream>

#include "app/core/xml/XMLParseUtilities.h"
#include "app/core/xml/XmlParser.h"
#include "app/core/xml/XmlTagHandler.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

int g_loads = 0;

xmlParserInputPtr countingLoader(const char* url, const char* id, xmlParserCtxtPtr context) {
    ++g_loads;
    return xmlNoNetExternalEntityLoader(url, id, context);
}

// Documents that would read local files if entities were resolved or DTDs loaded. The loader through which
// libxml2 reads every external resource counts its calls.
class ExternalEntityTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_loads = 0;
        m_previous = xmlGetExternalEntityLoader();
        xmlSetExternalEntityLoader(countingLoader);
        const std::string secret = (m_home.path() / "secret.txt").string();
        const std::string dtd = (m_home.path() / "evil.dtd").string();
        std::ofstream(secret) << "SECRET-MARKER";
        std::ofstream(dtd) << "<!ENTITY leak SYSTEM \"file://" << secret << "\">";
        m_documents = {
            "<!DOCTYPE r [<!ENTITY x SYSTEM \"file://" + secret + "\">]><r><item><t>&x;</t></item></r>",
            "<!DOCTYPE r [<!ENTITY x SYSTEM \"" + secret + "\">]><r><item><t>a&x;b</t></item></r>",
            "<!DOCTYPE r SYSTEM \"file://" + dtd + "\"><r><item><t>&leak;</t></item></r>",
            "<!DOCTYPE r [<!ENTITY % p SYSTEM \"file://" + dtd + "\"> %p;]><r><item><t>&leak;</t></item></r>",
            "<!DOCTYPE r [<!ENTITY x SYSTEM \"http://127.0.0.1:9/x\">]><r><item><t>&x;</t></item></r>",
        };
    }
    void TearDown() override { xmlSetExternalEntityLoader(m_previous); }

    qovtest::TempHome m_home;
    std::vector<std::string> m_documents;

private:
    xmlExternalEntityLoader m_previous = nullptr;
};

class ItemHandler : public XmlTagHandler {
public:
    std::string getXmlContentTag() const override { return "item"; }
};

TEST_F(ExternalEntityTest, NeitherReaderReadsAnythingFromDisk) {
    for (const auto& document : m_documents) {
        auto handler = std::make_shared<ItemHandler>();
        XmlParser parser;
        parser.addXmlHandler(handler);
        parser.parseXmlData(document, "r");
        EXPECT_EQ(handler->getDump().find("SECRET"), std::string::npos) << document;

        const auto nodes = PerformXMLAllNodesQuery(document);
        ASSERT_TRUE(nodes) << document;
        for (const auto& node : *nodes) {
            const auto* value = platform::valueForKey(node, "value");
            EXPECT_TRUE(value == nullptr || value->stringValue().find("SECRET") == std::string::npos) << document;
        }
    }
    EXPECT_EQ(g_loads, 0);
}

}  // namespace
}  // namespace qov
