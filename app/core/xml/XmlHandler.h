#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace qov {

// The attributes of one start tag, name → value.
using XmlAttributes = std::map<std::string, std::string, std::less<>>;

// A receiver of the events of one element that XmlParser hands it. The parser reads only the answers of
// handleTag (claim this element) and onEndElement (done with the claimed element).
class XmlHandler {
public:
    virtual ~XmlHandler() = default;

    // YES when this handler takes the element of that name.
    virtual bool handleTag(const std::string& name) = 0;
    virtual bool onStartElement(const std::string& name, const XmlAttributes& attributes) = 0;
    // A piece of character data (CDATA included); one run of text may arrive in several pieces.
    virtual bool onContent(std::string_view text) = 0;
    // YES when the handler is done with the element it took.
    virtual bool onEndElement(const std::string& name) = 0;
};

}  // namespace qov
