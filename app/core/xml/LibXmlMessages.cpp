#include "app/core/xml/LibXmlMessages.h"

#include <libxml/globals.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

#include "app/core/xml/WhitespaceTrim.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

// libxml2 writes one message in several printf-style pieces; a line is logged once its line break arrives.
void genericMessage(void*, const char* format, ...) {
    thread_local std::string pending;
    char piece[1024];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(piece, sizeof piece, format, arguments);
    va_end(arguments);
    if (length < 0) {
        return;
    }
    constexpr std::size_t kMaxPending = 4096;
    pending.append(piece, std::min<std::size_t>(static_cast<std::size_t>(length), sizeof piece - 1));
    if (pending.find('\n') == std::string::npos && pending.size() < kMaxPending) {
        return;
    }
    const std::string line = trimmedWhitespaceAndNewlines(pending);
    pending.clear();
    if (!line.empty()) {
        QOV_LOG_WARN("libxml2: {}", line);
    }
}

void structuredMessage(void*, xmlErrorPtr error) {
    if (error == nullptr) {
        return;
    }
    QOV_LOG_WARN("libxml2 (domain {}, code {}, line {}): {}", error->domain, error->code, error->line,
                 trimmedWhitespaceAndNewlines(error->message != nullptr ? error->message : ""));
}

}  // namespace

void LibXmlMessages::routeToLog() {
    static std::once_flag defaults;
    std::call_once(defaults, [] {
        xmlInitParser();
        // Threads libxml2 sets up later start with these.
        xmlThrDefSetGenericErrorFunc(nullptr, genericMessage);
        xmlThrDefSetStructuredErrorFunc(nullptr, structuredMessage);
    });
    thread_local bool routed = false;
    if (!routed) {
        xmlSetGenericErrorFunc(nullptr, genericMessage);
        xmlSetStructuredErrorFunc(nullptr, structuredMessage);
        routed = true;
    }
}

}  // namespace qov
