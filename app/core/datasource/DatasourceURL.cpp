#include "app/core/datasource/DatasourceURL.h"

namespace qov {

namespace {

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

std::string encode(std::string_view value, bool keepColon) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(value.size());
    for (const char character : value) {
        const auto byte = static_cast<unsigned char>(character);
        if (isUnreserved(byte) || (keepColon && byte == ':')) {
            encoded.push_back(character);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[byte >> 4]);
            encoded.push_back(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

}  // namespace

std::string DatasourceURL::encodeComponent(std::string_view value) { return encode(value, false); }

std::string DatasourceURL::encodeLocationIdentifier(std::string_view identifier) { return encode(identifier, true); }

std::string DatasourceURL::redactedForLog(std::string_view url) {
    const std::size_t queryStart = url.find('?');
    if (queryStart == std::string_view::npos) {
        return std::string(url);
    }
    std::string redacted(url.substr(0, queryStart + 1));
    std::string_view query = url.substr(queryStart + 1);
    const std::size_t fragmentStart = query.find('#');
    const std::string_view fragment = fragmentStart == std::string_view::npos ? "" : query.substr(fragmentStart);
    query = query.substr(0, query.size() - fragment.size());
    bool first = true;
    while (true) {
        const std::size_t end = query.find('&');
        const std::string_view parameter = query.substr(0, end);
        if (!first) {
            redacted.push_back('&');
        }
        first = false;
        if (parameter == "key" || parameter.starts_with("key=")) {
            redacted += "key=REDACTED";
        } else {
            redacted += parameter;
        }
        if (end == std::string_view::npos) {
            break;
        }
        query.remove_prefix(end + 1);
    }
    redacted += fragment;
    return redacted;
}

}  // namespace qov
