#include "app/core/model/JsonValueReader.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <fmt/format.h>

#include "app/core/model/LocalCalendar.h"
#include "platform/base/Log.h"
#include "platform/base/NumberText.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

constexpr auto kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr auto kInt32Min = std::numeric_limits<std::int32_t>::min();

const char* kindName(element_type type) {
    switch (type) {
        case element_type::ARRAY: return "list";
        case element_type::OBJECT: return "object";
        case element_type::STRING: return "text";
        case element_type::BOOL: return "flag";
        case element_type::NULL_VALUE: return "null";
        default: return "number";
    }
}

void logWrongKind(std::string_view key, element_type type, const char* expected) {
    QOV_LOG_INFO("JSON value under [{}] is a {} where {} was expected; read as absent", key, kindName(type), expected);
}

std::int32_t saturatedFromDouble(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(kInt32Max)) {
        return kInt32Max;
    }
    if (value <= static_cast<double>(kInt32Min)) {
        return kInt32Min;
    }
    return static_cast<std::int32_t>(value);  // truncates toward zero
}

// A number value (integer, double or flag), or nullopt for other kinds.
std::optional<double> numberOf(const element& value) {
    switch (value.type()) {
        case element_type::INT64: return static_cast<double>(value.get_int64().value_unsafe());
        case element_type::UINT64: return static_cast<double>(value.get_uint64().value_unsafe());
        case element_type::DOUBLE: return value.get_double().value_unsafe();
        case element_type::BOOL: return value.get_bool().value_unsafe() ? 1.0 : 0.0;
        default: return std::nullopt;
    }
}

// The text of a text, number or flag value; nullopt (logged) for lists and objects.
std::optional<std::string> textOf(std::string_view key, const element& value) {
    switch (value.type()) {
        case element_type::STRING: return std::string(value.get_string().value_unsafe());
        case element_type::INT64: return std::to_string(value.get_int64().value_unsafe());
        case element_type::UINT64: return std::to_string(value.get_uint64().value_unsafe());
        case element_type::DOUBLE: return fmt::format("{}", value.get_double().value_unsafe());
        case element_type::BOOL: return std::string(value.get_bool().value_unsafe() ? "true" : "false");
        default: logWrongKind(key, value.type(), "a text"); return std::nullopt;
    }
}

}  // namespace

std::optional<std::string> JsonValueReader::optionalStringWithKey(std::string_view key, const Dictionary* dictionary) {
    const auto value = valueForKey(key, dictionary);
    return value ? textOf(key, *value) : std::nullopt;
}

std::string JsonValueReader::stringWithKey(std::string_view key, const Dictionary* dictionary,
                                           std::string_view defaultValue) {
    const auto value = valueForKey(key, dictionary);
    if (!value) {
        return std::string(defaultValue);
    }
    if (value->type() == element_type::STRING) {  // most texts: built in place
        return std::string(value->get_string().value_unsafe());
    }
    if (auto text = textOf(key, *value)) {
        return std::move(*text);
    }
    return std::string(defaultValue);
}

std::int32_t JsonValueReader::integerWithKey(std::string_view key, const Dictionary* dictionary) {
    const auto value = valueForKey(key, dictionary);
    if (!value) {
        return 0;
    }
    switch (value->type()) {
        case element_type::INT64: {
            const std::int64_t number = value->get_int64().value_unsafe();
            return static_cast<std::int32_t>(std::clamp<std::int64_t>(number, kInt32Min, kInt32Max));
        }
        case element_type::UINT64: return kInt32Max;  // only numbers beyond the signed 64-bit range land here
        case element_type::STRING: return platform::integerFromText(value->get_string().value_unsafe());
        case element_type::ARRAY:
        case element_type::OBJECT: logWrongKind(key, value->type(), "an integer"); return 0;
        default: return saturatedFromDouble(numberOf(*value).value_or(0.0));
    }
}

double JsonValueReader::doubleWithKey(std::string_view key, const Dictionary* dictionary) {
    const auto value = valueForKey(key, dictionary);
    if (!value) {
        return 0.0;
    }
    if (value->type() == element_type::STRING) {
        return platform::doubleFromText(value->get_string().value_unsafe());
    }
    if (auto number = numberOf(*value)) {
        return *number;
    }
    logWrongKind(key, value->type(), "a number");
    return 0.0;
}

double JsonValueReader::distanceWithKey(std::string_view key, const Dictionary* dictionary) {
    return doubleWithKey(key, dictionary);
}

bool JsonValueReader::booleanWithKey(std::string_view key, const Dictionary* dictionary) {
    const auto value = valueForKey(key, dictionary);
    if (!value) {
        return false;
    }
    if (value->type() == element_type::STRING) {
        std::string text(value->get_string().value_unsafe());
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text == "true" || text == "yes" || text == "1";
    }
    if (auto number = numberOf(*value)) {
        return *number != 0.0;
    }
    logWrongKind(key, value->type(), "a flag");
    return false;
}

std::optional<double> JsonValueReader::decimalWithKey(std::string_view key, const Dictionary* dictionary,
                                                      std::optional<double> defaultValue) {
    const auto value = valueForKey(key, dictionary);
    if (!value) {
        return defaultValue;
    }
    if (value->type() == element_type::STRING) {
        return platform::doubleFromText(value->get_string().value_unsafe());
    }
    if (auto number = numberOf(*value)) {
        return number;
    }
    logWrongKind(key, value->type(), "a number");
    return defaultValue;
}

platform::Date JsonValueReader::epochDateWithKey(std::string_view key, const Dictionary* dictionary) {
    return platform::Date::fromSecondsSince1970(doubleWithKey(key, dictionary));
}

std::optional<std::string> JsonValueReader::timeZoneWithKey(std::string_view key, const Dictionary* dictionary) {
    auto name = optionalStringWithKey(key, dictionary);
    if (!name || name->empty()) {
        return std::nullopt;
    }
    if (!LocalCalendar::isKnownTimeZone(*name)) {
        QOV_LOG_INFO("Time zone [{}] under [{}] is not known; none is set", *name, key);
        return std::nullopt;
    }
    return name;
}

LocationCoordinate JsonValueReader::coordinatesWithLatitudeKey(std::string_view latitudeKey,
                                                               std::string_view longitudeKey,
                                                               const Dictionary* dictionary) {
    return {doubleWithKey(latitudeKey, dictionary), doubleWithKey(longitudeKey, dictionary)};
}

std::optional<JsonValueReader::Dictionary> JsonValueReader::objectWithKey(std::string_view key,
                                                                          const Dictionary* dictionary) {
    const auto value = valueForKey(key, dictionary);
    if (!value) {
        return std::nullopt;
    }
    simdjson::dom::object object;
    if (value->get_object().get(object) != simdjson::SUCCESS) {
        logWrongKind(key, value->type(), "an object");
        return std::nullopt;
    }
    return Dictionary(object);
}

std::vector<JsonValueReader::Dictionary> JsonValueReader::objectsInListWithKey(std::string_view key,
                                                                               const Dictionary* dictionary) {
    std::vector<Dictionary> objects;
    const auto value = valueForKey(key, dictionary);
    if (!value) {
        return objects;
    }
    simdjson::dom::array list;
    if (value->get_array().get(list) != simdjson::SUCCESS) {
        logWrongKind(key, value->type(), "a list");
        return objects;
    }
    objects.reserve(list.size());
    std::size_t index = 0;
    for (element item : list) {
        simdjson::dom::object object;
        if (item.get_object().get(object) == simdjson::SUCCESS) {
            objects.emplace_back(object);
        } else {
            QOV_LOG_INFO("Element {} of [{}] is a {}, not an object; skipped", index, key, kindName(item.type()));
        }
        ++index;
    }
    return objects;
}

}  // namespace qov
