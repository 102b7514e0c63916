#include "app/core/xml/XMLParseUtilities.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

#include <climits>
#include <string>

#include "app/core/xml/LibXmlMessages.h"
#include "app/core/xml/WhitespaceTrim.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {
namespace {

using platform::Array;
using platform::Dictionary;
using platform::Value;

std::string utf8(const xmlChar* text) { return text ? std::string(reinterpret_cast<const char*>(text)) : ""; }

// The reader's and the evaluator's own messages are not wanted on the console; failures are reported below.
void ignoreError(void* /*context*/, xmlErrorPtr /*error*/) {}

void fail(std::optional<XmlError>* error, int code, std::string_view message) {
    QOV_LOG_ERROR("{}", message);
    if (error) {
        *error = XmlError{std::string(kXMLParseUtilitiesErrorDomain), code, std::string(message), 0};
    }
}

// Only these node kinds carry text of their own in a node's content field.
bool carriesText(xmlElementType type) {
    return type == XML_TEXT_NODE || type == XML_CDATA_SECTION_NODE || type == XML_COMMENT_NODE || type == XML_PI_NODE;
}

// Children are read below these kinds only: never into entity references or declarations, so an entity's
// replacement is never read and a document's size bounds the work.
bool hasTreeChildren(xmlElementType type) {
    return type == XML_ELEMENT_NODE || type == XML_ATTRIBUTE_NODE || type == XML_DOCUMENT_NODE ||
           type == XML_DOCUMENT_FRAG_NODE;
}

void appendValue(Dictionary& dictionary, std::string_view text) {
    Value& value = dictionary["value"];
    value = Value(value.stringValue() + std::string(text));
}

Array attributeDictionaries(xmlNodePtr element) {
    Array attributes;
    for (xmlAttrPtr attribute = element->properties; attribute != nullptr; attribute = attribute->next) {
        Dictionary entry;
        if (attribute->name) {
            entry["name"] = utf8(attribute->name);
        }
        if (attribute->children) {
            if (auto child = NodeDictionaryFromXMLNode(attribute->children, &entry)) {
                entry["children"] = std::move(*child);
            }
        }
        if (!entry.empty()) {
            attributes.emplace_back(std::move(entry));
        }
    }
    return attributes;
}

}  // namespace

std::optional<Dictionary> NodeDictionaryFromXMLNode(xmlNodePtr node, Dictionary* parent) {
    // Namespace declarations are no tree nodes; a document type declaration is no content and would shadow
    // the root element of the same name.
    if (node == nullptr || node->type == XML_NAMESPACE_DECL || node->type == XML_DTD_NODE) {
        return std::nullopt;
    }
    Dictionary dictionary;
    if (node->name) {
        dictionary["name"] = utf8(node->name);
    }
    if (carriesText(node->type) && node->content) {
        if (node->type == XML_TEXT_NODE && parent) {
            appendValue(*parent, trimmedWhitespaceAndNewlines(utf8(node->content)));
            return std::nullopt;
        }
        dictionary["value"] = utf8(node->content);
    }
    if (node->type == XML_ELEMENT_NODE) {
        if (Array attributes = attributeDictionaries(node); !attributes.empty()) {
            dictionary["attributes"] = std::move(attributes);
        }
    }
    if (!hasTreeChildren(node->type)) {
        return dictionary;
    }
    xmlNodePtr first = node->children;
    if (first && first->type == XML_CDATA_SECTION_NODE) {
        if (first->content) {
            dictionary["value"] = utf8(first->content);
        }
        return dictionary;
    }
    Array children;
    for (xmlNodePtr child = first; child != nullptr; child = child->next) {
        if (auto converted = NodeDictionaryFromXMLNode(child, &dictionary)) {
            children.emplace_back(std::move(*converted));
        }
    }
    if (!children.empty()) {
        dictionary["children"] = std::move(children);
    }
    return dictionary;
}

std::optional<std::vector<Dictionary>> PerformXPathQuery(xmlDocPtr document, std::string_view query,
                                                         std::optional<XmlError>* error) {
    LibXmlMessages::routeToLog();
    xmlXPathContextPtr context = document ? xmlXPathNewContext(document) : nullptr;
    if (context == nullptr) {
        fail(error, 0, "Unable to create XPath context.");
        return std::nullopt;
    }
    context->error = ignoreError;
    const std::string expression(query);
    xmlXPathObjectPtr result = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(expression.c_str()), context);
    if (result == nullptr) {
        xmlXPathFreeContext(context);
        fail(error, 1, "Unable to evaluate XPath.");
        return std::nullopt;
    }
    if (result->nodesetval == nullptr) {
        xmlXPathFreeObject(result);
        xmlXPathFreeContext(context);
        fail(error, 2, "Nodes was nil.");
        return std::nullopt;
    }
    std::vector<Dictionary> nodes;
    for (int index = 0; index < result->nodesetval->nodeNr; ++index) {
        if (auto node = NodeDictionaryFromXMLNode(result->nodesetval->nodeTab[index], nullptr)) {
            nodes.push_back(std::move(*node));
        }
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    if (error) {
        error->reset();
    }
    return nodes;
}

std::optional<std::vector<Dictionary>> PerformXMLXPathQuery(std::string_view data, std::string_view query,
                                                            std::optional<XmlError>* error) {
    LibXmlMessages::routeToLog();
    xmlParserCtxtPtr reader = data.size() <= INT_MAX ? xmlNewParserCtxt() : nullptr;
    xmlDocPtr document = nullptr;
    if (reader) {
        reader->sax->serror = ignoreError;
        // Lenient, but never XML_PARSE_NOENT or XML_PARSE_DTDLOAD: no substitution, no DTD, no external entity.
        document = xmlCtxtReadMemory(reader, data.data(), static_cast<int>(data.size()), "", nullptr,
                                     XML_PARSE_RECOVER | XML_PARSE_NONET);
        xmlFreeParserCtxt(reader);
    }
    if (document == nullptr) {
        QOV_LOG_ERROR("Unable to parse.");
        return std::nullopt;
    }
    auto nodes = PerformXPathQuery(document, query, error);
    xmlFreeDoc(document);
    return nodes;
}

std::optional<std::vector<Dictionary>> PerformXMLAllNodesQuery(std::string_view data, std::optional<XmlError>* error) {
    return PerformXMLXPathQuery(data, "//*", error);
}

}  // namespace qov
