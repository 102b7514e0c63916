#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/core/xml/XmlHandler.h"

namespace qov {

// A ready-made handler that claims the element named by getXmlContentTag() and collects the text of every
// element inside it under its tag path ("title", "media/credit"); a later element with the same path replaces
// an earlier one. Text is gathered piece by piece and trimmed once at the element's end. Text written directly
// inside an element that also holds child elements joins the text of the child that ends next.
class XmlTagHandler : public XmlHandler {
public:
    XmlTagHandler();

    bool handleTag(const std::string& name) override;
    bool onStartElement(const std::string& name, const XmlAttributes& attributes) override;
    bool onContent(std::string_view text) override;
    bool onEndElement(const std::string& name) override;

    // The name of the element this handler claims; subclasses give theirs.
    virtual std::string getXmlContentTag() const;

    // The names of the open elements inside the claimed element, joined by "/".
    std::string getTagPath() const;
    void popLastTagEntry();

    // The collected texts by tag path; setting nullopt removes the entry.
    void setValue(std::optional<std::string> value, const std::string& key);
    std::optional<std::string> getValue(const std::string& key) const;
    // One line per entry: the key, " -- ", the value.
    std::string getDump() const;

private:
    std::optional<std::string> m_currentTagContents;
    // Present while an element is claimed: the elements open inside it, innermost last.
    std::optional<std::vector<std::string>> m_aryTagStack;
    // Whether the claimed element's own start tag has arrived.
    bool m_bClaimStarted = false;
    std::map<std::string, std::string> m_dctContent;
};

}  // namespace qov
