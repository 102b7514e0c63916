#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/Value.h"

namespace platform {

// Writes a binary property list ("bplist00") object by object: scalars first meet the writer when added and are
// written once however often they recur (equal keys and values share one object), containers are added after
// their elements and written at the end, when the width of a reference is known. Any property-list reader reads
// the result; KeyedArchiver writes its archives through it.
//
// Not thread-safe; one writer per list.
class BinaryPlistWriter {
public:
    using Ref = std::uint32_t;  // an object of this list

    Ref addBool(bool value);
    // Integers keep their two's-complement bits: negative numbers take eight bytes, as readers expect.
    Ref addInteger(std::int64_t value);
    Ref addReal(double value);
    Ref addDate(double secondsSince2001);
    Ref addData(std::string_view bytes);
    // UTF-8 text up to its first NUL (readers refuse NUL in keys); written as ASCII when it is, else as UTF-16
    // (malformed UTF-8 becomes U+FFFD).
    Ref addString(std::string_view text);
    Ref addArray(const std::vector<Ref>& elements);
    Ref addDictionary(const std::vector<std::pair<Ref, Ref>>& entries);

    // How addValue writes objects and how deep it lets containers nest.
    struct ValueHooks {
        // The object written at a depth (containers enclosing it); nullopt leaves it out. None: objects are left
        // out.
        std::function<std::optional<Ref>(const ObjectPtr& object, int depth)> object;
        // Whether a container may open at a depth; when not, it is left out. None: any depth.
        std::function<bool(int depth)> admits;
    };
    // A value whole, at a depth; nullopt for null, and for dates a property list cannot hold (logged). Null
    // elements and entries are left out of their containers.
    std::optional<Ref> addValue(const Value& value, int depth = 1, const ValueHooks& hooks = {});

    // The whole list with top as its root. The writer is spent afterwards.
    std::string finish(Ref top);

private:
    // A scalar already written: where its encoding lies in m_scalars. An empty slot has no bytes.
    struct Known {
        std::size_t hash = 0;
        std::size_t start = 0;
        std::size_t size = 0;
        Ref ref = 0;
    };

    struct Container {
        Ref ref;
        std::uint8_t kind;  // 0xA array, 0xD dictionary
        std::size_t count;  // elements or entries
        std::vector<Ref> references;
    };

    // The object whose encoding m_scratch holds, added when new.
    Ref addScalar();
    Ref addContainer(Container container);

    std::string m_scratch;
    std::string m_scalars;                 // encodings of the scalar objects, in the order added
    std::vector<std::uint64_t> m_offsets;  // by reference; containers' are known when finished
    std::vector<Container> m_containers;
    // Open addressing over the scalars written so far (a power of two of slots, at most half in use), so that a
    // scalar met again costs one hash and usually one comparison, and no allocation.
    std::vector<Known> m_known;
    std::size_t m_knownCount = 0;

    void remember(const Known& known);
};

}  // namespace platform
