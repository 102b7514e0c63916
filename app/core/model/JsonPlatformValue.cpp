#include "app/core/model/JsonPlatformValue.h"

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

std::optional<platform::Value> convert(const element& value, int depth) {
    switch (value.type()) {
        case element_type::NULL_VALUE: return std::nullopt;
        case element_type::STRING: return platform::Value(std::string(value.get_string().value_unsafe()));
        case element_type::INT64: return platform::Value(value.get_int64().value_unsafe());
        case element_type::UINT64: return platform::Value(static_cast<double>(value.get_uint64().value_unsafe()));
        case element_type::DOUBLE: return platform::Value(value.get_double().value_unsafe());
        case element_type::BOOL: return platform::Value(value.get_bool().value_unsafe());
        default: break;
    }
    if (depth >= JsonPlatformValue::kMaxDepth) {
        QOV_LOG_INFO("JSON value nested deeper than {} levels; read as absent", JsonPlatformValue::kMaxDepth);
        return std::nullopt;
    }
    if (value.type() == element_type::ARRAY) {
        platform::Array list;
        const simdjson::dom::array items = value.get_array().value_unsafe();
        for (element item : items) {
            if (auto converted = convert(item, depth + 1)) {
                list.push_back(std::move(*converted));
            }
        }
        return platform::Value(std::move(list));
    }
    platform::Dictionary dictionary;
    const simdjson::dom::object members = value.get_object().value_unsafe();
    for (auto field : members) {
        if (!JsonPlatformValue::isArchivableName(field.key)) {
            QOV_LOG_INFO("JSON member name [{}] cannot be kept; left out", std::string(field.key));
            continue;
        }
        if (auto converted = convert(field.value, depth + 1)) {
            dictionary.insert_or_assign(std::string(field.key), std::move(*converted));
        }
    }
    return platform::Value(std::move(dictionary));
}

}  // namespace

bool JsonPlatformValue::isArchivableName(std::string_view name) {
    return name != "$class" && name.find('\0') == std::string_view::npos;
}

std::optional<platform::Value> JsonPlatformValue::fromElement(const element& element) { return convert(element, 0); }

}  // namespace qov
