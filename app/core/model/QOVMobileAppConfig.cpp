#include "app/core/model/QOVMobileAppConfig.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include <fmt/format.h>

#include "app/core/model/ArchiveCoding.h"
#include "platform/base/Clock.h"
#include "platform/base/NumberText.h"

namespace qov {

namespace {

std::int32_t saturatedInt32(double value) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(kMax)) {
        return kMax;
    }
    if (value <= static_cast<double>(kMin)) {
        return kMin;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

QOVMobileAppConfig::QOVMobileAppConfig() : m_createdDate(platform::Clock::shared()->now()) {}

QOVMobileAppConfig::QOVMobileAppConfig(std::string applicationId, double timeToLive)
    : m_applicationId(std::move(applicationId)), m_createdDate(platform::Clock::shared()->now()), m_ttl(timeToLive) {}

void QOVMobileAppConfig::addConfiguration(platform::Value value, const std::string& category) {
    m_configurations[category] = std::move(value);
}

std::vector<std::string> QOVMobileAppConfig::allCategories() const {
    std::vector<std::string> names;
    names.reserve(m_configurations.size());
    for (const auto& [name, value] : m_configurations) {
        names.push_back(name);
    }
    return names;
}

const platform::Value* QOVMobileAppConfig::objectForAttribute(std::string_view attribute,
                                                              std::string_view category) const {
    const platform::Value* values = platform::valueForKey(m_configurations, category);
    if (values == nullptr || values->ifDictionary() == nullptr) {
        return nullptr;
    }
    return platform::valueForKey(*values->ifDictionary(), attribute);
}

std::optional<std::string> QOVMobileAppConfig::stringForAttribute(std::string_view attribute,
                                                                  std::string_view category) const {
    const platform::Value* value = objectForAttribute(attribute, category);
    if (value == nullptr) {
        return std::nullopt;
    }
    if (const auto* text = value->ifString()) {
        return *text;
    }
    if (const auto* integer = value->ifInteger()) {
        return std::to_string(*integer);
    }
    if (const auto* number = value->ifDouble()) {
        return fmt::format("{}", *number);
    }
    if (const auto* flag = value->ifBool()) {
        return std::string(*flag ? "true" : "false");
    }
    return std::nullopt;
}

std::int32_t QOVMobileAppConfig::intForAttribute(std::string_view attribute, std::string_view category) const {
    const platform::Value* value = objectForAttribute(attribute, category);
    if (value == nullptr) {
        return 0;
    }
    if (const auto* text = value->ifString()) {
        return platform::integerFromText(*text);
    }
    if (const auto* integer = value->ifInteger()) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(*integer, std::numeric_limits<std::int32_t>::min(),
                                                                  std::numeric_limits<std::int32_t>::max()));
    }
    if (const auto* number = value->ifDouble()) {
        return saturatedInt32(*number);
    }
    if (const auto* flag = value->ifBool()) {
        return *flag ? 1 : 0;
    }
    return 0;
}

bool QOVMobileAppConfig::boolForAttribute(std::string_view attribute, std::string_view category) const {
    const platform::Value* value = objectForAttribute(attribute, category);
    if (value == nullptr) {
        return false;
    }
    if (const auto* text = value->ifString()) {
        return boolFromString(*text);
    }
    if (const auto* integer = value->ifInteger()) {
        return *integer != 0;
    }
    if (const auto* number = value->ifDouble()) {
        return *number != 0.0;
    }
    if (const auto* flag = value->ifBool()) {
        return *flag;
    }
    return false;
}

bool QOVMobileAppConfig::boolFromString(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "true" || lower == "enable" || lower == "enabled" || lower == "yes" || lower == "on" ||
           lower == "1";
}

double QOVMobileAppConfig::age() const {
    return std::fabs(m_createdDate.timeIntervalSince(platform::Clock::shared()->now()));
}

void QOVMobileAppConfig::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeDate(m_createdDate, "createdDate");
    coder.encodeString(m_applicationId, "applicationId");
    archive::encodeOptionalString(coder, m_localeString, "localeString");
    archive::encodeOptionalString(coder, m_classId, "classId");
    coder.encodeValue(platform::Value(m_configurations), "configurations");
    coder.encodeDouble(m_ttl, "ttl");
}

void QOVMobileAppConfig::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    // Without its creation date a configuration counts as received long ago, so it is fetched again.
    m_createdDate = coder.decodeDate("createdDate").value_or(platform::Date{});
    m_applicationId = coder.decodeString("applicationId");
    m_localeString = archive::decodeOptionalString(coder, "localeString");
    m_classId = archive::decodeOptionalString(coder, "classId");
    const platform::Value configurations = coder.decodeValue("configurations");
    m_configurations = configurations.ifDictionary() ? *configurations.ifDictionary() : platform::Dictionary{};
    m_ttl = coder.decodeDouble("ttl");
    if (!(m_ttl >= kMinimumArchivedTimeToLive)) {
        m_ttl = kMinimumArchivedTimeToLive;
    }
}

}  // namespace qov
