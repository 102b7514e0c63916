#include "app/core/xml/XmlParser.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>

#include "app/core/xml/LibXmlMessages.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {
namespace {

constexpr std::string_view kErrorDomain = "XmlParser";
constexpr std::size_t kChunkSize = 1 << 20;
// The reader needs the first bytes at once to tell the document's encoding.
constexpr std::size_t kEncodingProbeSize = 4;

// What one parse shares with the reader's callbacks.
struct ParseSession {
    XmlParser& parser;
    xmlParserCtxtPtr context = nullptr;
    std::optional<XmlError> firstFatalError;
};

std::string_view text(const xmlChar* value) {
    return value ? std::string_view(reinterpret_cast<const char*>(value)) : std::string_view();
}

std::string qualifiedName(const xmlChar* prefix, const xmlChar* localName) {
    std::string name;
    if (prefix) {
        name.append(text(prefix)).append(":");
    }
    name.append(text(localName));
    return name;
}

// Without entity substitution the reader hands an escaped ampersand in an attribute value on as "&#38;".
std::string attributeValue(const xmlChar* begin, const xmlChar* end) {
    const std::string_view raw(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(end - begin));
    constexpr std::string_view kEscapedAmpersand = "&#38;";
    std::string value;
    value.reserve(raw.size());
    for (std::size_t position = 0; position < raw.size();) {
        if (raw.compare(position, kEscapedAmpersand.size(), kEscapedAmpersand) == 0) {
            value += '&';
            position += kEscapedAmpersand.size();
        } else {
            value += raw[position++];
        }
    }
    return value;
}

// Runs one event; a handler that throws stops the parse with an error instead of unwinding through the reader.
template <typename Event>
void deliver(void* session, Event&& event) {
    auto& current = *static_cast<ParseSession*>(session);
    try {
        event(current.parser);
    } catch (const std::exception& exception) {
        QOV_LOG_ERROR("XML handler failed: {}", exception.what());
        if (!current.firstFatalError) {
            current.firstFatalError = XmlError{std::string(kErrorDomain), XML_ERR_USER_STOP,
                                               std::string("handler failed: ") + exception.what(), 0};
        }
        xmlStopParser(current.context);
    }
}

void startElement(void* session, const xmlChar* localName, const xmlChar* prefix, const xmlChar* /*uri*/,
                  int namespaceCount, const xmlChar** namespaces, int attributeCount, int /*defaultedCount*/,
                  const xmlChar** attributes) {
    deliver(session, [&](XmlParser& parser) {
        XmlAttributes values;
        // Namespace handling is left to the handlers: declarations appear as the attributes they were written as.
        for (int index = 0; index < namespaceCount; ++index) {
            const xmlChar* declaredPrefix = namespaces[2 * index];
            const std::string name = declaredPrefix ? "xmlns:" + std::string(text(declaredPrefix)) : "xmlns";
            values.emplace(name, std::string(text(namespaces[2 * index + 1])));
        }
        for (int index = 0; index < attributeCount; ++index) {
            const xmlChar** attribute = attributes + 5 * index;
            values.emplace(qualifiedName(attribute[1], attribute[0]), attributeValue(attribute[3], attribute[4]));
        }
        parser.didStartElement(qualifiedName(prefix, localName), values);
    });
}

void endElement(void* session, const xmlChar* localName, const xmlChar* prefix, const xmlChar* /*uri*/) {
    deliver(session, [&](XmlParser& parser) { parser.didEndElement(qualifiedName(prefix, localName)); });
}

void characters(void* session, const xmlChar* value, int length) {
    deliver(session, [&](XmlParser& parser) {
        parser.foundCharacters(
            std::string_view(reinterpret_cast<const char*>(value), static_cast<std::size_t>(length)));
    });
}

std::string trimmedMessage(const char* message) {
    std::string result = message ? message : "";
    while (!result.empty() && (result.back() == '\n' || result.back() == ' ')) {
        result.pop_back();
    }
    return result;
}

void readerError(void* session, xmlErrorPtr error) {
    auto& current = *static_cast<ParseSession*>(session);
    if (error == nullptr || error->level != XML_ERR_FATAL || current.firstFatalError) {
        return;
    }
    current.firstFatalError =
        XmlError{std::string(kErrorDomain), error->code, trimmedMessage(error->message), error->line};
}

std::optional<std::string> readFile(const std::filesystem::path& file) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(file.c_str(), "rb"), std::fclose);
    if (!stream) {
        return std::nullopt;
    }
    std::string contents;
    char buffer[64 * 1024];
    while (const std::size_t length = std::fread(buffer, 1, sizeof buffer, stream.get())) {
        contents.append(buffer, length);
    }
    if (std::ferror(stream.get())) {
        return std::nullopt;
    }
    return contents;
}

xmlSAXHandler makeHandler() {
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = startElement;
    handler.endElementNs = endElement;
    handler.characters = characters;
    handler.ignorableWhitespace = characters;
    handler.cdataBlock = characters;
    handler.serror = readerError;
    // No entity, DTD or subset callbacks: declared entities are never looked up, so nothing is substituted
    // and nothing is loaded.
    return handler;
}

}  // namespace

XmlParser::XmlParser() { m_aryXmlHandler.reserve(2); }

void XmlParser::addXmlHandler(std::shared_ptr<XmlHandler> handler) {
    if (handler) {
        m_aryXmlHandler.push_back(std::move(handler));
    }
}

void XmlParser::resetForParse(std::string_view requireTag) {
    m_pXmlHandler = nullptr;
    m_nOwnedDepth = 0;
    m_bSkipToEnd = false;
    m_nSkipDepth = 0;
    m_strRequireTag = std::string(requireTag);
    m_bIsFirstTag = true;
}

bool XmlParser::parseXmlData(std::string_view data, std::string_view requireTag, std::optional<XmlError>* parseError) {
    resetForParse(requireTag);
    LibXmlMessages::routeToLog();

    xmlSAXHandler handler = makeHandler();
    ParseSession session{*this, nullptr, std::nullopt};
    const std::size_t probe = std::min(data.size(), kEncodingProbeSize);
    session.context = xmlCreatePushParserCtxt(&handler, &session, data.data(), static_cast<int>(probe), nullptr);
    if (session.context == nullptr) {
        QOV_LOG_ERROR("Cannot create an XML reader");
        if (parseError) {
            *parseError = XmlError{std::string(kErrorDomain), XML_ERR_NO_MEMORY, "cannot create an XML reader", 0};
        }
        return false;
    }
    xmlParserCtxtPtr context = session.context;
    // Never XML_PARSE_NOENT (entity substitution) nor XML_PARSE_DTDLOAD: external entities stay unread.
    xmlCtxtUseOptions(context, XML_PARSE_NONET);

    auto stillReading = [&] { return context->wellFormed != 0 && !session.firstFatalError; };
    for (std::size_t offset = probe; offset < data.size() && stillReading();) {
        const std::size_t length = std::min(kChunkSize, data.size() - offset);
        xmlParseChunk(context, data.data() + offset, static_cast<int>(length), 0);
        offset += length;
    }
    if (stillReading()) {
        xmlParseChunk(context, nullptr, 0, 1);
    }
    const bool wellFormed = stillReading();
    if (!wellFormed) {
        XmlError error = session.firstFatalError.value_or(
            XmlError{std::string(kErrorDomain), context->errNo, "the document is not well formed", 0});
        QOV_LOG_WARN("XML document rejected at line {}: {}", error.line, error.description);
        if (parseError) {
            *parseError = std::move(error);
        }
    }
    // Declarations in an internal subset leave a document behind that the context does not own.
    if (context->myDoc) {
        xmlFreeDoc(context->myDoc);
        context->myDoc = nullptr;
    }
    xmlFreeParserCtxt(context);
    return wellFormed;
}

bool XmlParser::parseXml(const std::filesystem::path& file, std::string_view requireTag,
                         std::optional<XmlError>* parseError) {
    std::optional<std::string> contents = readFile(file);
    if (!contents) {
        QOV_LOG_WARN("Cannot read the XML file {}", file.string());
        resetForParse(requireTag);
        if (parseError) {
            *parseError = XmlError{std::string(kErrorDomain), XML_IO_LOAD_ERROR, "cannot read " + file.string(), 0};
        }
        return false;
    }
    return parseXmlData(*contents, requireTag, parseError);
}

void XmlParser::didStartElement(const std::string& name, const XmlAttributes& attributes) {
    if (m_bSkipToEnd) {
        ++m_nSkipDepth;
        return;
    }
    if (m_bIsFirstTag && !m_strRequireTag.empty()) {
        m_bIsFirstTag = false;
        if (name == m_strRequireTag) {
            return;
        }
    }
    if (m_pXmlHandler == nullptr) {
        const auto owner = std::find_if(m_aryXmlHandler.begin(), m_aryXmlHandler.end(),
                                        [&](const auto& handler) { return handler->handleTag(name); });
        if (owner == m_aryXmlHandler.end()) {
            m_bSkipToEnd = true;
            m_nSkipDepth = 1;
            return;
        }
        m_pXmlHandler = owner->get();
        m_nOwnedDepth = 0;
    }
    ++m_nOwnedDepth;
    m_pXmlHandler->onStartElement(name, attributes);
}

void XmlParser::didEndElement(const std::string& name) {
    if (m_pXmlHandler != nullptr) {
        --m_nOwnedDepth;
        // A handler may only be done once every element opened inside its claim has closed.
        if (m_pXmlHandler->onEndElement(name) && m_nOwnedDepth <= 0) {
            m_pXmlHandler = nullptr;
            m_nOwnedDepth = 0;
        }
        return;
    }
    if (m_bSkipToEnd && --m_nSkipDepth == 0) {
        m_bSkipToEnd = false;
    }
}

void XmlParser::foundCharacters(std::string_view text) {
    if (m_pXmlHandler != nullptr) {
        m_pXmlHandler->onContent(text);
    }
}

}  // namespace qov
