#pragma once

#include <optional>
#include <string_view>

#include <simdjson.h>

#include "platform/base/Value.h"

namespace qov {

// Turns a JSON value into a platform value that a keyed archive keeps exactly: texts, integers (beyond the
// signed 64-bit range: doubles), doubles, flags, lists and string-keyed dictionaries. Nulls read as absent
// and are left out of lists and dictionaries; so are member names an archive cannot hold ("$class", which
// archives reserve, and names holding a NUL character) and containers nested deeper than kMaxDepth (all logged).
class JsonPlatformValue {
public:
    static constexpr int kMaxDepth = 32;

    // The value, or nullopt for a null (or a container too deep).
    static std::optional<platform::Value> fromElement(const simdjson::dom::element& element);
    // Whether a dictionary key survives a keyed archive unchanged.
    static bool isArchivableName(std::string_view name);
};

}  // namespace qov
