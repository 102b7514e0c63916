#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/Value.h"

namespace platform {

// Frees a libplist node (plist_t is a void pointer).
struct PlistFree {
    void operator()(void* node) const;
};
using PlistNode = std::unique_ptr<void, PlistFree>;

// Property lists through libplist: guarded parsing, serialisation, and conversion between plist nodes and
// values (every kind but objects).
class PropertyList {
public:
    // Parsed containers may nest at most this deep: libplist's binary reader, and freeing and converting trees,
    // recurse without a limit.
    static constexpr int kMaxDepth = 64;
    // At most this many nodes in one parsed tree.
    static constexpr std::size_t kMaxNodes = std::size_t{1} << 20;

    // The parsed tree, or nullptr with the reason in problem.
    static PlistNode parseBinary(std::string_view bytes, std::string& problem);
    static PlistNode parseXml(std::string_view text, std::string& problem);

    static std::optional<std::string> binaryBytes(void* node);
    static std::optional<std::string> xmlText(void* node);

    // Reads one dictionary node in its own way (archived objects), or answers nullopt to have it converted.
    using DictionaryReader = std::function<std::optional<Value>(void* dictionary)>;

    // The value of a node; dictionaries and arrays are converted whole. Kinds without a value (uid), and null
    // answers of the reader, answer null and are left out of their containers.
    static Value toValue(void* node, const DictionaryReader& readDictionary = {});
    // A new node for a value, or nullptr for null and object values (left out of containers too) and for dates
    // a property list cannot hold.
    static PlistNode fromValue(const Value& value);

    // Property list dates count whole seconds from 2001 in 32 bits and keep the fraction to within a
    // microsecond (whole and binary fractions of seconds exactly); dates outside that range (about 1933 to 2069)
    // cannot be written.
    static PlistNode fromDate(Date date);
    static std::optional<Date> toDate(void* node);

    // The same dates as the seconds from 2001 a binary list stores (nullopt: the date cannot be written), and
    // back as libplist reads them (nullopt: not a date a list can hold).
    static std::optional<double> plistSecondsFromDate(Date date);
    static std::optional<Date> dateFromPlistSeconds(double seconds);
};

}  // namespace platform
