#pragma once

#include <string>
#include <string_view>

namespace qov {

// Text work on the data service's URLs: percent-encoding of every value the client inserts (postal codes and
// search texts come from what users type) and the form of a URL that may be written to a log.
class DatasourceURL {
public:
    // UTF-8 bytes other than the unreserved characters (letters, digits, "-", ".", "_", "~") become %XX, so the
    // value stays one path segment or one query value.
    static std::string encodeComponent(std::string_view value);
    // The same, except that the colon joining a location's key and type stays as it is ("USGA0028:1").
    static std::string encodeLocationIdentifier(std::string_view identifier);
    // The URL with the value of its "key" query parameter replaced by "REDACTED".
    static std::string redactedForLog(std::string_view url);
};

}  // namespace qov
