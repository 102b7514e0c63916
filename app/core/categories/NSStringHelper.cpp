#include "app/core/categories/NSStringHelper.h"

#include <fmt/format.h>

#include "platform/storage/Bundle.h"

namespace qov {
namespace {

constexpr std::string_view kNull = "(null)";
constexpr std::string_view kNotAvailable = "N/A";

std::string notAvailableText() { return platform::Bundle::main().localizedString("common.na"); }

std::string replacingAll(std::string_view text, std::string_view target, std::string_view replacement) {
    std::string result;
    for (std::size_t found = text.find(target); found != std::string_view::npos; found = text.find(target)) {
        result.append(text.substr(0, found)).append(replacement);
        text.remove_prefix(found + target.size());
    }
    return result.append(text);
}

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

std::string NSStringHelper::nullToNA(std::string_view text) {
    if (text.find(kNull) != std::string_view::npos) {
        return notAvailableText();
    }
    return std::string(text);
}

std::string NSStringHelper::localizeNA(std::string_view text) {
    return replacingAll(nullToNA(text), kNotAvailable, notAvailableText());
}

std::string NSStringHelper::stripOutNulls(std::string_view text) { return replacingAll(text, kNull, ""); }

std::string NSStringHelper::urlEncoded(std::string_view text) {
    std::string encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte)) {
            encoded += c;
        } else {
            encoded += fmt::format("%{:02X}", byte);
        }
    }
    return encoded;
}

}  // namespace qov
