#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/base/Date.h"
#include "platform/base/Object.h"

namespace platform {

class Value;

using Data = std::vector<std::uint8_t>;
using Array = std::vector<Value>;
using Dictionary = std::map<std::string, Value, std::less<>>;
using ObjectPtr = std::shared_ptr<Object>;

// One value of a user-information dictionary, a notification object or an archive: null, bool, integer,
// double, string, date, data, array, dictionary or object pointer. Objects compare by identity.
class Value {
public:
    enum class Kind { Null, Bool, Integer, Double, String, Date, Data, Array, Dictionary, Object };

    Value() = default;
    Value(std::nullptr_t) {}
    Value(bool value) : m_storage(value) {}
    template <typename T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) Value(T value)
        : m_storage(static_cast<std::int64_t>(value)) {}
    Value(double value) : m_storage(value) {}
    Value(std::string value) : m_storage(std::move(value)) {}
    Value(std::string_view value) : m_storage(std::string(value)) {}
    Value(const char* value) : m_storage(std::string(value ? value : "")) {}
    Value(Date value) : m_storage(value) {}
    Value(Data value) : m_storage(std::move(value)) {}
    Value(Array value) : m_storage(std::move(value)) {}
    Value(Dictionary value) : m_storage(std::move(value)) {}
    template <typename T>
    requires std::is_base_of_v<Object, T> Value(std::shared_ptr<T> object) {
        if (object) {
            m_storage = ObjectPtr(std::move(object));
        }
    }

    Kind kind() const { return static_cast<Kind>(m_storage.index()); }
    bool isNull() const { return kind() == Kind::Null; }

    // Exact access: a pointer to the stored value, or nullptr when the value is of another kind.
    const bool* ifBool() const { return std::get_if<bool>(&m_storage); }
    const std::int64_t* ifInteger() const { return std::get_if<std::int64_t>(&m_storage); }
    const double* ifDouble() const { return std::get_if<double>(&m_storage); }
    const std::string* ifString() const { return std::get_if<std::string>(&m_storage); }
    const Date* ifDate() const { return std::get_if<Date>(&m_storage); }
    const Data* ifData() const { return std::get_if<Data>(&m_storage); }
    const Array* ifArray() const { return std::get_if<Array>(&m_storage); }
    const Dictionary* ifDictionary() const { return std::get_if<Dictionary>(&m_storage); }
    const ObjectPtr* ifObject() const { return std::get_if<ObjectPtr>(&m_storage); }

    // Lenient readers: numbers and bools convert among themselves; anything else answers the fallback.
    bool boolValue(bool fallback = false) const;
    std::int64_t integerValue(std::int64_t fallback = 0) const;
    double doubleValue(double fallback = 0.0) const;
    // The string, or the fallback for any other kind.
    std::string stringValue(std::string fallback = {}) const;

    // The object cast to T, or nullptr when the value holds no object of that class.
    template <typename T>
    std::shared_ptr<T> object() const {
        if (const auto* stored = ifObject()) {
            return std::dynamic_pointer_cast<T>(*stored);
        }
        return nullptr;
    }

    friend bool operator==(const Value& lhs, const Value& rhs) = default;

private:
    std::variant<std::monostate, bool, std::int64_t, double, std::string, Date, Data, Array, Dictionary, ObjectPtr>
        m_storage;
};

// The value under key, or nullptr when the dictionary has none.
const Value* valueForKey(const Dictionary& dictionary, std::string_view key);

}  // namespace platform
