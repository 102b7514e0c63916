#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/model/QOVDataObject.h"

namespace qov {

// One remote configuration document of the data service: named categories, each a dictionary of attribute
// → value, with the application id it belongs to, the moment it was received and how long it stays fresh.
// Archive keys, in order: "createdDate", "applicationId", "localeString", "classId", "configurations",
// "ttl" (double). Reading an archive raises a time to live below 900 s (or not a number) to 900 s.
//
// The attribute readers never fail: a missing category or attribute, and a category whose value is not a
// dictionary, read as missing. Values read as text as follows: texts as they are, integers in decimal,
// other numbers in their shortest exact form ("71.6"), flags as "true" or "false"; lists, dictionaries and
// every other kind as missing.
class QOVMobileAppConfig : public QOVDataObject {
public:
    static constexpr double kMinimumArchivedTimeToLive = 900.0;

    // An empty configuration created now (what an archive is read into).
    QOVMobileAppConfig();
    // A configuration of that id and time to live (kept as given), created now, with no categories.
    QOVMobileAppConfig(std::string applicationId, double timeToLive);

    const std::string& applicationId() const { return m_applicationId; }
    const std::optional<std::string>& localeString() const { return m_localeString; }
    void setLocaleString(std::optional<std::string> localeString) { m_localeString = std::move(localeString); }
    const std::optional<std::string>& classId() const { return m_classId; }
    void setClassId(std::optional<std::string> classId) { m_classId = std::move(classId); }
    const platform::Dictionary& configurations() const { return m_configurations; }
    platform::Date createdDate() const { return m_createdDate; }
    double ttl() const { return m_ttl; }

    // Stores the value as the category, replacing an earlier one of the same name.
    void addConfiguration(platform::Value value, const std::string& category);
    std::vector<std::string> allCategories() const;

    // The attribute's value, or nullptr; it stays valid while the configuration lives and is not changed.
    const platform::Value* objectForAttribute(std::string_view attribute, std::string_view category) const;
    std::optional<std::string> stringForAttribute(std::string_view attribute, std::string_view category) const;
    // A number's value (truncated, saturated to 32 bits; a flag is 1 or 0) or a text's leading integer; else 0.
    std::int32_t intForAttribute(std::string_view attribute, std::string_view category) const;
    // A number is YES when not zero; a text by boolFromString; anything else NO.
    bool boolForAttribute(std::string_view attribute, std::string_view category) const;
    // YES for "true", "enable", "enabled", "yes", "on" and "1", letter case ignored.
    static bool boolFromString(std::string_view text);

    // Seconds between the creation and now, always positive.
    double age() const;
    bool isStale() const { return age() >= m_ttl; }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_applicationId;
    std::optional<std::string> m_localeString;
    std::optional<std::string> m_classId;
    platform::Dictionary m_configurations;
    platform::Date m_createdDate;
    double m_ttl = 0.0;
};

}  // namespace qov
