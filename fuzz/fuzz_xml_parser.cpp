// Feeds arbitrary bytes to XmlParser with a tag handler and a handler that claims every other element, twice on
// the same parser (each parse must start afresh).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "app/core/xml/XmlParser.h"
#include "app/core/xml/XmlTagHandler.h"

namespace {

class ItemHandler : public qov::XmlTagHandler {
public:
    std::string getXmlContentTag() const override { return "item"; }
};

// Claims elements whose names have an even length and is done at any end tag of such a name.
class EvenNameHandler : public qov::XmlHandler {
public:
    bool handleTag(const std::string& name) override { return name.size() % 2 == 0; }
    bool onStartElement(const std::string&, const qov::XmlAttributes& attributes) override {
        m_attributes += attributes.size();
        return true;
    }
    bool onContent(std::string_view text) override {
        m_characters += text.size();
        return true;
    }
    bool onEndElement(const std::string& name) override { return handleTag(name); }

private:
    std::size_t m_attributes = 0;
    std::size_t m_characters = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    auto items = std::make_shared<ItemHandler>();
    qov::XmlParser parser;
    parser.addXmlHandler(items);
    parser.addXmlHandler(std::make_shared<EvenNameHandler>());
    std::optional<qov::XmlError> error;
    parser.parseXmlData(document, "root", &error);
    parser.parseXmlData(document, {}, &error);
    (void)items->getDump();
    return 0;
}
