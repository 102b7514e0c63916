#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <simdjson.h>

#include "app/core/model/JsonDictionary.h"
#include "app/core/model/LocationCoordinate.h"
#include "platform/base/Date.h"

namespace qov {

// The model factory's value readers: the only way its mappings read JSON values (simdjson DOM). Each takes a
// key and a dictionary; an absent dictionary (nullptr), an absent key and a JSON null all read as absent and
// give the reader's default. Bad values never throw:
// - text readers take texts as they are, numbers as their text ("270", "71.6") and booleans as "true" or
//   "false"; a list or object reads as absent (logged);
// - number readers take numbers, and texts by their leading number (leading white space, optional sign,
//   digits; no number gives 0); booleans read as 1 or 0; lists and objects read as absent (logged);
//   integer reads truncate toward zero and saturate at the 32-bit limits (texts as platform/base/NumberText.h reads
//   them);
// - the flag reader is YES for JSON true, a non-zero number, or a text that lower-cased is "true", "yes" or
//   "1".
class JsonValueReader {
public:
    using Dictionary = JsonDictionary;

    // The value under key; nullopt when the dictionary or key is absent or the value is null.
    static std::optional<simdjson::dom::element> valueForKey(std::string_view key, const Dictionary* dictionary) {
        if (dictionary == nullptr) {
            return std::nullopt;
        }
        auto value = dictionary->find(key);
        if (!value || value->is_null()) {
            return std::nullopt;
        }
        return value;
    }

    // The text under key, or nullopt when absent ("raw" fields that stay absent).
    static std::optional<std::string> optionalStringWithKey(std::string_view key, const Dictionary* dictionary);
    // The text under key, or the default (the empty text) when absent.
    static std::string stringWithKey(std::string_view key, const Dictionary* dictionary,
                                     std::string_view defaultValue = {});
    static std::int32_t integerWithKey(std::string_view key, const Dictionary* dictionary);
    static double doubleWithKey(std::string_view key, const Dictionary* dictionary);
    static double distanceWithKey(std::string_view key, const Dictionary* dictionary);
    static bool booleanWithKey(std::string_view key, const Dictionary* dictionary);
    // The number under key, or the default (zero) when absent or not a number.
    static std::optional<double> decimalWithKey(std::string_view key, const Dictionary* dictionary,
                                                std::optional<double> defaultValue = 0.0);
    // Seconds since 1970-01-01 00:00:00 UTC; the epoch itself when absent.
    static platform::Date epochDateWithKey(std::string_view key, const Dictionary* dictionary);
    // A time-zone name the time-zone database knows, or nullopt (unknown names are logged).
    static std::optional<std::string> timeZoneWithKey(std::string_view key, const Dictionary* dictionary);
    static LocationCoordinate coordinatesWithLatitudeKey(std::string_view latitudeKey, std::string_view longitudeKey,
                                                         const Dictionary* dictionary);

    // The object under key; nullopt when absent, and when of another kind (logged).
    static std::optional<Dictionary> objectWithKey(std::string_view key, const Dictionary* dictionary);
    // The objects of the list under key, in order: empty when absent or not a list (logged); elements that
    // are not objects are skipped (logged).
    static std::vector<Dictionary> objectsInListWithKey(std::string_view key, const Dictionary* dictionary);
};

}  // namespace qov
