#pragma once

#include <string>
#include <string_view>

namespace qov {

// Clean-up of texts that may hold "(null)" or "N/A" from the services, and URL escaping. "Not available" is the
// main bundle's localised text of "common.na".
class NSStringHelper {
public:
    // The text, or, when it contains "(null)" anywhere, the localised "common.na" alone.
    static std::string nullToNA(std::string_view text);
    // nullToNA, then every "N/A" replaced by the localised "common.na".
    static std::string localizeNA(std::string_view text);
    // The text without any "(null)".
    static std::string stripOutNulls(std::string_view text);
    // The UTF-8 text percent-escaped, leaving only letters, digits and "-", ".", "_", "~" as they are.
    static std::string urlEncoded(std::string_view text);
};

}  // namespace qov
