#include "app/core/xml/NSDictionaryQOV.h"

namespace qov {
namespace {

bool hasName(const platform::Dictionary& node, std::string_view name) {
    const platform::Value* value = platform::valueForKey(node, "name");
    const std::string* text = value ? value->ifString() : nullptr;
    return text && *text == name;
}

}  // namespace

const platform::Dictionary* NSDictionaryQOV::subDictionaryWithKey(const platform::Dictionary& node,
                                                                  std::string_view name) {
    if (hasName(node, name)) {
        return &node;
    }
    const platform::Value* children = platform::valueForKey(node, "children");
    if (children == nullptr || children->ifArray() == nullptr) {
        return nullptr;
    }
    for (const platform::Value& child : *children->ifArray()) {
        const platform::Dictionary* childNode = child.ifDictionary();
        if (childNode == nullptr) {
            continue;
        }
        if (const platform::Dictionary* found = subDictionaryWithKey(*childNode, name)) {
            return found;
        }
    }
    return nullptr;
}

std::optional<std::string> NSDictionaryQOV::attributeWithKey(const platform::Dictionary& node, std::string_view name) {
    const platform::Value* attributes = platform::valueForKey(node, "attributes");
    if (attributes == nullptr || attributes->ifArray() == nullptr) {
        return std::nullopt;
    }
    for (const platform::Value& attribute : *attributes->ifArray()) {
        const platform::Dictionary* entry = attribute.ifDictionary();
        if (entry == nullptr || !hasName(*entry, name)) {
            continue;
        }
        const platform::Value* value = platform::valueForKey(*entry, "value");
        if (value && value->ifString()) {
            return *value->ifString();
        }
        return std::nullopt;
    }
    return std::nullopt;
}

platform::Dictionary NSDictionaryQOV::newLocationDictionary(platform::Value key, platform::Value type) {
    return platform::Dictionary{{"key", std::move(key)}, {"type", std::move(type)}};
}

}  // namespace qov
