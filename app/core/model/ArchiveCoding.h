#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/storage/KeyedArchiver.h"

namespace qov::archive {

// Small helpers shared by the model classes' archiving: optional texts and numbers leave their key out when
// absent, lists become arrays of nested objects, and integers read back saturated to 32 bits.

inline void encodeOptionalString(platform::KeyedArchiver& coder, const std::optional<std::string>& value,
                                 std::string_view key) {
    if (value) {
        coder.encodeString(*value, key);
    }
}

inline std::optional<std::string> decodeOptionalString(const platform::KeyedUnarchiver& coder, std::string_view key) {
    if (!coder.containsValueForKey(key)) {
        return std::nullopt;
    }
    return coder.decodeString(key);
}

inline void encodeOptionalDouble(platform::KeyedArchiver& coder, const std::optional<double>& value,
                                 std::string_view key) {
    if (value) {
        coder.encodeDouble(*value, key);
    }
}

inline std::optional<double> decodeOptionalDouble(const platform::KeyedUnarchiver& coder, std::string_view key) {
    if (!coder.containsValueForKey(key)) {
        return std::nullopt;
    }
    return coder.decodeDouble(key);
}

inline std::int32_t decodeInt32(const platform::KeyedUnarchiver& coder, std::string_view key) {
    const std::int64_t value = coder.decodeInteger(key);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

template <typename T>
void encodeList(platform::KeyedArchiver& coder, const std::optional<std::vector<std::shared_ptr<T>>>& list,
                std::string_view key) {
    if (!list) {
        return;
    }
    platform::Array array;
    array.reserve(list->size());
    for (const auto& element : *list) {
        if (element) {
            array.emplace_back(element);
        }
    }
    coder.encodeValue(platform::Value(std::move(array)), key);
}

// The list under key (elements of other classes skipped), or nullopt when the archive has no such key.
template <typename T>
std::optional<std::vector<std::shared_ptr<T>>> decodeList(const platform::KeyedUnarchiver& coder,
                                                          std::string_view key) {
    if (!coder.containsValueForKey(key)) {
        return std::nullopt;
    }
    return coder.decodeArrayOfClass<T>(key);
}

}  // namespace qov::archive
