#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/base/Value.h"

namespace qov {

// Lookups in lists of XML node dictionaries (entries with "name" and "value", see XMLParseUtilities.h), such as
// a node's "attributes". Entries that are not dictionaries are passed over.
class NSArrayQOVAdditions {
public:
    // The first entry whose "name" is name, or nullptr.
    static const platform::Dictionary* elementForName(const platform::Array& array, std::string_view name);
    // That entry's "value" text, or nullopt when there is no such entry or it has no text value.
    static std::optional<std::string> elementValueForName(const platform::Array& array, std::string_view name);
};

}  // namespace qov
