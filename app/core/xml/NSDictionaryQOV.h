#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/base/Value.h"

namespace qov {

// Readers of the node dictionaries that the XPath utilities build.
class NSDictionaryQOV {
public:
    // The node itself when its "name" is name, else the first node of that name among its descendants (depth
    // first, in document order); nullptr when there is none. The answer points into node.
    static const platform::Dictionary* subDictionaryWithKey(const platform::Dictionary& node, std::string_view name);

    // The "value" of the node's first attribute of that name; nullopt when there is none or it has no value.
    static std::optional<std::string> attributeWithKey(const platform::Dictionary& node, std::string_view name);

    // A new dictionary {"key": key, "type": type}.
    static platform::Dictionary newLocationDictionary(platform::Value key, platform::Value type);
};

}  // namespace qov
