#include "app/legacymaps/categories/NSArrayQOVAdditions.h"

namespace qov {

const platform::Dictionary* NSArrayQOVAdditions::elementForName(const platform::Array& array, std::string_view name) {
    for (const platform::Value& element : array) {
        const auto* entry = element.ifDictionary();
        if (!entry) {
            continue;
        }
        const platform::Value* entryName = platform::valueForKey(*entry, "name");
        if (entryName && entryName->ifString() && *entryName->ifString() == name) {
            return entry;
        }
    }
    return nullptr;
}

std::optional<std::string> NSArrayQOVAdditions::elementValueForName(const platform::Array& array,
                                                                    std::string_view name) {
    const platform::Dictionary* entry = elementForName(array, name);
    if (!entry) {
        return std::nullopt;
    }
    const platform::Value* value = platform::valueForKey(*entry, "value");
    if (!value || !value->ifString()) {
        return std::nullopt;
    }
    return *value->ifString();
}

}  // namespace qov
