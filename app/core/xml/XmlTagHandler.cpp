#include "app/core/xml/XmlTagHandler.h"

#include "app/core/xml/WhitespaceTrim.h"

namespace qov {

XmlTagHandler::XmlTagHandler() = default;

std::string XmlTagHandler::getXmlContentTag() const { return "None"; }

bool XmlTagHandler::handleTag(const std::string& name) {
    if (name != getXmlContentTag()) {
        return false;
    }
    m_aryTagStack.emplace();
    m_aryTagStack->reserve(2);
    m_bClaimStarted = false;
    m_currentTagContents.reset();
    return true;
}

bool XmlTagHandler::onStartElement(const std::string& name, const XmlAttributes& /*attributes*/) {
    if (!m_aryTagStack) {
        return true;
    }
    if (!m_bClaimStarted) {
        // The claimed element's own start tag.
        m_bClaimStarted = true;
    } else {
        m_aryTagStack->push_back(name);
    }
    return true;
}

bool XmlTagHandler::onContent(std::string_view text) {
    if (!m_currentTagContents) {
        m_currentTagContents.emplace();
    }
    m_currentTagContents->append(text);
    return true;
}

bool XmlTagHandler::onEndElement(const std::string& /*name*/) {
    if (!m_aryTagStack || m_aryTagStack->empty()) {
        // The claimed element itself has ended.
        m_aryTagStack.reset();
        m_currentTagContents.reset();
        return true;
    }
    if (m_currentTagContents) {
        m_dctContent[getTagPath()] = trimmedWhitespaceAndNewlines(*m_currentTagContents);
    }
    popLastTagEntry();
    m_currentTagContents.reset();
    return false;
}

std::string XmlTagHandler::getTagPath() const {
    std::string path;
    if (m_aryTagStack) {
        for (const auto& name : *m_aryTagStack) {
            if (!path.empty()) {
                path += '/';
            }
            path += name;
        }
    }
    return path;
}

void XmlTagHandler::popLastTagEntry() {
    if (m_aryTagStack && !m_aryTagStack->empty()) {
        m_aryTagStack->pop_back();
    }
}

void XmlTagHandler::setValue(std::optional<std::string> value, const std::string& key) {
    if (value) {
        m_dctContent[key] = std::move(*value);
    } else {
        m_dctContent.erase(key);
    }
}

std::optional<std::string> XmlTagHandler::getValue(const std::string& key) const {
    const auto found = m_dctContent.find(key);
    if (found == m_dctContent.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::string XmlTagHandler::getDump() const {
    std::string dump;
    for (const auto& [key, value] : m_dctContent) {
        dump.append(key).append(" -- ").append(value).append("\n");
    }
    return dump;
}

}  // namespace qov
