#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/xml/XmlError.h"
#include "app/core/xml/XmlHandler.h"
#include "platform/base/Value.h"

namespace qov {

// An event-driven XML reader that hands each element to one of its handlers: the first handler that claims an
// element's start tag receives every event until it declares itself done at the end of an element it opened;
// elements nobody claims are skipped whole. Nesting depth is counted for both, so an inner element of the same
// name never ends a claim or a skip early.
//
// Reading never substitutes entities, never loads a DTD or an external entity and never touches the network.
// One instance serves one parse at a time, synchronously on the caller's thread; every parse starts afresh.
class XmlParser {
public:
    XmlParser();

    // Appends a handler; the parser keeps it. A null handler is ignored.
    void addXmlHandler(std::shared_ptr<XmlHandler> handler);

    // Reads the document. requireTag, when not empty, names the expected root: a root of that name is swallowed
    // (no handler sees it); a different first tag is read like any other. Answers true when the document was
    // well formed; otherwise false, with the reader's error stored in *parseError when given. Events delivered
    // before an error have already reached the handlers.
    bool parseXmlData(std::string_view data, std::string_view requireTag = {},
                      std::optional<XmlError>* parseError = nullptr);
    bool parseXmlData(const platform::Data& data, std::string_view requireTag = {},
                      std::optional<XmlError>* parseError = nullptr) {
        return parseXmlData(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()), requireTag,
                            parseError);
    }
    // The same over a local file's contents; an unreadable file answers false with an error.
    bool parseXml(const std::filesystem::path& file, std::string_view requireTag = {},
                  std::optional<XmlError>* parseError = nullptr);

    // The events of the underlying reader. Names are qualified names ("prefix:local") as written.
    void didStartElement(const std::string& name, const XmlAttributes& attributes);
    void didEndElement(const std::string& name);
    void foundCharacters(std::string_view text);

private:
    void resetForParse(std::string_view requireTag);

    std::vector<std::shared_ptr<XmlHandler>> m_aryXmlHandler;
    // The handler that owns the current element; one of m_aryXmlHandler, or null.
    XmlHandler* m_pXmlHandler = nullptr;
    // Elements opened inside the owned element and not yet closed.
    int m_nOwnedDepth = 0;
    bool m_bSkipToEnd = false;
    // Elements open inside the skipped element, the skipped element included.
    int m_nSkipDepth = 0;
    std::string m_strRequireTag;
    bool m_bIsFirstTag = true;
};

}  // namespace qov
