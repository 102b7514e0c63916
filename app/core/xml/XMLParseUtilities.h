#pragma once

#include <libxml/tree.h>

#include <optional>
#include <string_view>
#include <vector>

#include "app/core/xml/XmlError.h"
#include "platform/base/Value.h"

// The XPath utilities: read a whole document with libxml2 and turn XPath results into node dictionaries with
// the keys "name", "value", "attributes" (dictionaries with "name" and "value") and "children" (node
// dictionaries in document order); a key is present only when it has something to hold. Documents are read
// without entity substitution, DTD loading or network access. Stateless: any thread may use them.
namespace qov {

// The error domain of the query failures; codes: 0 no XPath context, 1 the expression failed, 2 no node set.
inline constexpr std::string_view kXMLParseUtilitiesErrorDomain = "XMLParseUtilities";

// The nodes the expression selects in the document, as node dictionaries, or nullopt with *error set.
// On success *error is cleared.
std::optional<std::vector<platform::Dictionary>> PerformXPathQuery(xmlDocPtr document, std::string_view query,
                                                                   std::optional<XmlError>* error = nullptr);

// Reads the data leniently (libxml2's recover mode) and runs the query; nullopt when nothing could be read,
// with *error left as it was.
std::optional<std::vector<platform::Dictionary>> PerformXMLXPathQuery(std::string_view data, std::string_view query,
                                                                      std::optional<XmlError>* error = nullptr);

// Every element in document order ("//*"): the first entry is the root element's whole tree.
std::optional<std::vector<platform::Dictionary>> PerformXMLAllNodesQuery(std::string_view data,
                                                                         std::optional<XmlError>* error = nullptr);

// The node as a node dictionary. A text node given a parent adds its trimmed text to the parent's "value" and
// answers nullopt; so do a namespace declaration and a document type declaration.
std::optional<platform::Dictionary> NodeDictionaryFromXMLNode(xmlNodePtr node, platform::Dictionary* parent);

}  // namespace qov
