#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include <simdjson.h>

namespace qov {

// A JSON object (simdjson DOM) as the value readers see it. Lookups start where the previous one ended, so
// reading the members in about the order the service writes them costs one key comparison each instead of a
// scan from the first member. Only the thread that made it may use it; it refers into the parse it came from.
class JsonDictionary {
public:
    explicit JsonDictionary(simdjson::dom::object object);

    // The value of a member named key (null values included), or nullopt. An object that repeats a name
    // answers one of its values (JSON leaves repeated names undefined).
    std::optional<simdjson::dom::element> find(std::string_view key) const {
        // From the cursor to the end, then from the first member up to the cursor.
        for (auto field = m_cursor, end = m_object.end(); field != end; ++field) {
            if (keyEquals(field, key)) {
                return take(field);
            }
        }
        for (auto field = m_object.begin(); field != m_cursor; ++field) {
            if (keyEquals(field, key)) {
                return take(field);
            }
        }
        return std::nullopt;
    }
    std::size_t size() const { return m_object.size(); }

private:
    // Member names are short: comparing them in place is cheaper than a library call per member.
    static bool keyEquals(const simdjson::dom::object::iterator& field, std::string_view key) {
        const std::string_view name = field.key();
        if (name.size() != key.size()) {
            return false;
        }
        for (std::size_t index = 0; index < key.size(); ++index) {
            if (name[index] != key[index]) {
                return false;
            }
        }
        return true;
    }

    simdjson::dom::element take(simdjson::dom::object::iterator field) const {
        m_cursor = field;
        ++m_cursor;
        return field.value();
    }

    simdjson::dom::object m_object;
    mutable simdjson::dom::object::iterator m_cursor;
};

}  // namespace qov
