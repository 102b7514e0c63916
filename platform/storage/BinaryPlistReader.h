#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/Value.h"

namespace platform {

// Reads a binary property list in place, without building a tree: objects are read where they lie, when asked
// for. open() first has BinaryPlistCheck walk the whole list (every object and reference inside the bytes, no NUL
// in strings, at most PropertyList::kMaxDepth deep and kMaxNodes objects counting every reference), so nothing a
// reader follows leaves the bytes, recursion is bounded and reference cycles are refused. The bytes must outlive
// the reader.
//
// Values read as libplist reads them: integers of 1, 2 and 4 bytes unsigned, of 8 bytes two's complement, of 16
// bytes their low 8 bytes; reals of 4 or 8 bytes; dates to the microsecond (PropertyList::dateFromPlistSeconds);
// ASCII strings as they are, UTF-16 strings as UTF-8 (unpaired surrogates become U+FFFD). Null, uid, set and fill
// objects, and reals or dates of other sizes, have no value.
class BinaryPlistReader {
public:
    using Ref = std::uint64_t;  // an object of the list
    enum class Kind { Bool, Integer, Real, Date, Data, String, Array, Dictionary, Other };

    struct Object {
        Kind kind = Kind::Other;
        std::uint8_t nibble = 0;  // the marker's low nibble
        std::size_t payload = 0;  // offset of what follows the marker and count
        std::uint64_t count = 0;  // bytes, UTF-16 units, elements or entries
        bool utf16 = false;       // a string of UTF-16 units
    };

    // The reader, or nullopt with the reason in problem.
    static std::optional<BinaryPlistReader> open(std::string_view bytes, std::string& problem);

    Ref top() const { return m_top; }
    Object object(Ref ref) const;

    bool boolValue(const Object& object) const { return object.nibble == 0x9; }
    std::int64_t integerValue(const Object& object) const;
    std::optional<double> realValue(const Object& object) const;
    std::optional<Date> dateValue(const Object& object) const;
    std::string_view dataValue(const Object& object) const { return m_bytes.substr(object.payload, object.count); }
    std::string stringValue(const Object& object) const;
    // An ASCII string's characters as they lie in the bytes; nullopt for UTF-16 strings and other kinds.
    std::optional<std::string_view> asciiView(const Object& object) const;

    // The index-th element of an array, key or value of a dictionary (index below object.count).
    Ref element(const Object& array, std::uint64_t index) const { return reference(array.payload, index); }
    Ref key(const Object& dictionary, std::uint64_t index) const { return reference(dictionary.payload, index); }
    Ref value(const Object& dictionary, std::uint64_t index) const {
        return reference(dictionary.payload, dictionary.count + index);
    }

    // Reads one dictionary in its own way (archived objects), or answers nullopt to have it converted.
    using DictionaryReader = std::function<std::optional<Value>(Ref dictionary)>;
    // The object as a value, containers whole; objects without a value are null and left out of containers, and
    // a dictionary's later equal key replaces an earlier one.
    Value toValue(Ref ref, const DictionaryReader& readDictionary = {}) const;

private:
    BinaryPlistReader() = default;
    Ref reference(std::size_t at, std::uint64_t index) const;

    std::string_view m_bytes;
    std::size_t m_offsetTable = 0;
    unsigned m_offsetWidth = 0;
    unsigned m_referenceWidth = 0;
    Ref m_top = 0;
};

}  // namespace platform
