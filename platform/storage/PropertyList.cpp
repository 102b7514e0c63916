#include "platform/storage/PropertyList.h"

#include <plist/plist.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "platform/storage/BinaryPlistCheck.h"

namespace platform {

namespace {

// Seconds from 1970 to 2001, the epoch of property list dates.
constexpr double kPlistEpoch = 978'307'200.0;

// Whether an XML property list may nest <array> and <dict> elements deeper than limit, judged by reading its
// markup the way libplist does: comments ("<!--" to "-->") and character data ("<![CDATA[" to "]]>") are
// skipped, every other markup ends at its first ">" ("?>" for processing instructions). Markup whose end a
// quoted attribute could move (an odd number of double quotes, a '<' inside it) and document types with an
// internal subset are refused outright. A tag whose name starts with "array" or "dict" opens a level unless
// it ends in "/>"; "</array" and "</dict" close one, so the count never falls below libplist's.
bool nestsTooDeeply(std::string_view text, int limit) {
    int depth = 0;
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string_view::npos) {
        const std::string_view rest = text.substr(at);
        std::string_view opener = "<";
        std::string_view terminator = ">";
        if (rest.starts_with("<!--")) {
            opener = "<!--";
            terminator = "-->";
        } else if (rest.starts_with("<![CDATA[")) {
            opener = "<![CDATA[";
            terminator = "]]>";
        } else if (rest.starts_with("<?")) {
            opener = "<";
            terminator = "?>";
        }
        const std::size_t end = text.find(terminator, at + opener.size());
        if (end == std::string_view::npos) {
            return true;
        }
        const std::string_view markup = text.substr(at + 1, end - at - 1);
        at = end + terminator.size();
        if (opener.size() > 1) {
            continue;  // comment or character data
        }
        const bool ambiguous = markup.find('<') != std::string_view::npos ||
                               std::count(markup.begin(), markup.end(), '"') % 2 != 0 ||
                               (markup.starts_with('!') && markup.find('[') != std::string_view::npos);
        if (ambiguous) {
            return true;
        }
        const std::string_view name = markup.substr(0, markup.find_first_of(" \t\r\n"));
        if (name.starts_with("/array") || name.starts_with("/dict")) {
            depth = std::max(depth - 1, 0);
        } else if ((name.starts_with("array") || name.starts_with("dict")) && !markup.ends_with('/') &&
                   ++depth > limit) {
            return true;
        }
    }
    return false;
}

}  // namespace

void PlistFree::operator()(void* node) const {
    if (node != nullptr) {
        plist_free(static_cast<plist_t>(node));
    }
}

PlistNode PropertyList::parseBinary(std::string_view bytes, std::string& problem) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        problem = "too large";
        return nullptr;
    }
    if (auto found = BinaryPlistCheck::problem(bytes, kMaxDepth, kMaxNodes)) {
        problem = std::move(*found);
        return nullptr;
    }
    plist_t root = nullptr;
    plist_from_bin(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &root);
    if (root == nullptr) {
        problem = "unreadable binary property list";
    }
    return PlistNode(root);
}

PlistNode PropertyList::parseXml(std::string_view text, std::string& problem) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        problem = "too large";
        return nullptr;
    }
    if (nestsTooDeeply(text, kMaxDepth)) {
        problem = "nested too deeply or not plainly structured";
        return nullptr;
    }
    plist_t root = nullptr;
    plist_from_xml(text.data(), static_cast<std::uint32_t>(text.size()), &root);
    if (root == nullptr) {
        problem = "unreadable XML property list";
    }
    return PlistNode(root);
}

std::optional<std::string> PropertyList::binaryBytes(void* node) {
    char* bytes = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(static_cast<plist_t>(node), &bytes, &length);
    if (bytes == nullptr) {
        return std::nullopt;
    }
    std::string result(bytes, length);
    plist_to_bin_free(bytes);
    return result;
}

std::optional<std::string> PropertyList::xmlText(void* node) {
    char* text = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(static_cast<plist_t>(node), &text, &length);
    if (text == nullptr) {
        return std::nullopt;
    }
    std::string result(text, length);
    plist_to_xml_free(text);
    return result;
}

Value PropertyList::toValue(void* opaque, const DictionaryReader& readDictionary) {
    const auto node = static_cast<plist_t>(opaque);
    switch (plist_get_node_type(node)) {
        case PLIST_BOOLEAN: {
            std::uint8_t value = 0;
            plist_get_bool_val(node, &value);
            return Value(value != 0);
        }
        case PLIST_UINT: {
            std::uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return Value(static_cast<std::int64_t>(value));
        }
        case PLIST_REAL: {
            double value = 0.0;
            plist_get_real_val(node, &value);
            return Value(value);
        }
        case PLIST_STRING: {
            std::uint64_t length = 0;
            const char* text = plist_get_string_ptr(node, &length);
            return Value(text == nullptr ? std::string() : std::string(text, length));
        }
        case PLIST_DATE:
            if (auto date = toDate(node)) {
                return Value(*date);
            }
            return Value();
        case PLIST_DATA: {
            std::uint64_t length = 0;
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(plist_get_data_ptr(node, &length));
            return Value(bytes == nullptr ? Data() : Data(bytes, bytes + length));
        }
        case PLIST_ARRAY: {
            Array array;
            const std::uint32_t count = plist_array_get_size(node);
            array.reserve(count);
            for (std::uint32_t index = 0; index < count; ++index) {
                Value element = toValue(plist_array_get_item(node, index), readDictionary);
                if (!element.isNull()) {
                    array.push_back(std::move(element));
                }
            }
            return Value(std::move(array));
        }
        case PLIST_DICT: {
            if (readDictionary) {
                if (auto read = readDictionary(node)) {
                    return std::move(*read);
                }
            }
            Dictionary dictionary;
            plist_dict_iter iterator = nullptr;
            plist_dict_new_iter(node, &iterator);
            while (iterator != nullptr) {
                char* key = nullptr;
                plist_t item = nullptr;
                plist_dict_next_item(node, iterator, &key, &item);
                if (key == nullptr || item == nullptr) {
                    std::free(key);
                    break;
                }
                Value element = toValue(item, readDictionary);
                if (!element.isNull()) {
                    dictionary.insert_or_assign(std::string(key), std::move(element));
                }
                std::free(key);
            }
            std::free(iterator);
            return Value(std::move(dictionary));
        }
        default: return Value();
    }
}

PlistNode PropertyList::fromValue(const Value& value) {
    switch (value.kind()) {
        case Value::Kind::Bool: return PlistNode(plist_new_bool(*value.ifBool() ? 1 : 0));
        case Value::Kind::Integer:
            // Binary and XML property lists keep the two's-complement bits: negative numbers survive.
            return PlistNode(plist_new_uint(static_cast<std::uint64_t>(*value.ifInteger())));
        case Value::Kind::Double: return PlistNode(plist_new_real(*value.ifDouble()));
        case Value::Kind::String: return PlistNode(plist_new_string(value.ifString()->c_str()));
        case Value::Kind::Date: return fromDate(*value.ifDate());
        case Value::Kind::Data: {
            const Data& data = *value.ifData();
            return PlistNode(plist_new_data(reinterpret_cast<const char*>(data.data()), data.size()));
        }
        case Value::Kind::Array: {
            PlistNode array(plist_new_array());
            for (const auto& element : *value.ifArray()) {
                if (auto node = fromValue(element)) {
                    plist_array_append_item(array.get(), node.release());
                }
            }
            return array;
        }
        case Value::Kind::Dictionary: {
            PlistNode dictionary(plist_new_dict());
            for (const auto& [key, element] : *value.ifDictionary()) {
                if (auto node = fromValue(element)) {
                    plist_dict_set_item(dictionary.get(), key.c_str(), node.release());
                }
            }
            return dictionary;
        }
        case Value::Kind::Null:
        case Value::Kind::Object: break;
    }
    return nullptr;
}

namespace {

// A date as libplist holds it: whole seconds from 2001 and microseconds.
struct DateParts {
    std::int32_t seconds = 0;
    std::int32_t microseconds = 0;
};

std::optional<DateParts> partsOf(Date date) {
    double sinceEpoch = date.secondsSince1970 - kPlistEpoch;
    if (!std::isfinite(sinceEpoch)) {
        return std::nullopt;
    }
    // libplist reads a date back as whole seconds truncated toward zero plus the magnitude of the fraction, which
    // loses the sign within the second before its epoch: such dates are written as the nearest whole second.
    if (sinceEpoch > -1.0 && sinceEpoch < 0.0) {
        sinceEpoch = std::round(sinceEpoch);
    }
    double seconds = std::floor(sinceEpoch);
    double microseconds = std::round((sinceEpoch - seconds) * 1e6);
    if (microseconds >= 1e6) {
        seconds += 1.0;
        microseconds = 0.0;
    }
    if (seconds < std::numeric_limits<std::int32_t>::min() || seconds > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return DateParts{static_cast<std::int32_t>(seconds), static_cast<std::int32_t>(microseconds)};
}

Date dateOf(DateParts parts) {
    const double fraction = static_cast<double>(parts.microseconds) / 1e6;
    const double sinceEpoch = parts.seconds < 0 ? static_cast<double>(parts.seconds) - fraction
                                                : static_cast<double>(parts.seconds) + fraction;
    return Date{sinceEpoch + kPlistEpoch};
}

}  // namespace

PlistNode PropertyList::fromDate(Date date) {
    const auto parts = partsOf(date);
    return parts ? PlistNode(plist_new_date(parts->seconds, parts->microseconds)) : nullptr;
}

std::optional<Date> PropertyList::toDate(void* opaque) {
    const auto node = static_cast<plist_t>(opaque);
    if (plist_get_node_type(node) != PLIST_DATE) {
        return std::nullopt;
    }
    DateParts parts;
    plist_get_date_val(node, &parts.seconds, &parts.microseconds);
    return dateOf(parts);
}

std::optional<double> PropertyList::plistSecondsFromDate(Date date) {
    const auto parts = partsOf(date);
    if (!parts) {
        return std::nullopt;
    }
    return static_cast<double>(parts->seconds) + static_cast<double>(parts->microseconds) / 1e6;
}

std::optional<Date> PropertyList::dateFromPlistSeconds(double seconds) {
    if (!(seconds > std::numeric_limits<std::int32_t>::min() - 1.0 &&
          seconds < std::numeric_limits<std::int32_t>::max() + 1.0)) {
        return std::nullopt;
    }
    const double whole = std::trunc(seconds);
    return dateOf(
        DateParts{static_cast<std::int32_t>(whole), static_cast<std::int32_t>(std::fabs(seconds - whole) * 1e6)});
}

}  // namespace platform
