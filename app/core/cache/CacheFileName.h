#pragma once

#include <string>

namespace qov {

// Turns a key from the service (a location key, an application id, a quad key) into a file name that stays
// inside its folder and shows no control character: "/", "\", "%", NUL and the other control characters
// (below 0x20 and 0x7F) are percent-encoded ("%2F", "%5C", "%25", "%00", "%0A", ...), and so is a leading "."
// ("%2E"), so there is no ".", ".." or hidden name. Everything else, ":" included, is kept.
class CacheFileName {
public:
    static std::string encode(const std::string& name);
};

}  // namespace qov
