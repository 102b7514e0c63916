#pragma once

#include <compare>
#include <optional>
#include <string>

#include "app/core/model/QOVDataObject.h"

namespace qov {

// One high or low tide of a tide station. The name ("Morning", "Afternoon", "Night" or "Evening") is worked
// out from the tide's hour in a time zone by whoever shows it, and is not archived.
// Archive keys, in order: "DateKey", "HeightKey", "LowKey" (integer 0 or 1).
class QOVTide : public QOVDataObject {
public:
    const std::optional<platform::Date>& date() const { return m_date; }
    void setDate(std::optional<platform::Date> date) { m_date = date; }
    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    bool isLow() const { return m_low; }
    void setLow(bool low) { m_low = low; }
    bool isHigh() const { return !m_low; }
    void setHigh(bool high) { m_low = !high; }
    // The height as the service gives it; absent until set.
    const std::optional<double>& height() const { return m_height; }
    void setHeight(std::optional<double> height) { m_height = height; }

    // Names the tide by its hour in the time zone (UTC when the name is missing or unknown): 7-12 "Morning",
    // 13-18 "Afternoon", 1-6 "Night", 0 and 19-23 "Evening". Does nothing while the date is absent.
    void initNameWithTimeZone(const std::optional<std::string>& timeZoneName);
    // The name initNameWithTimeZone would give, leaving the tide as it is (the stored name without a date).
    std::string nameInTimeZone(const std::optional<std::string>& timeZoneName) const;
    // The same in UTC.
    void initName();
    // Orders two tides by date (an absent date first).
    std::weak_ordering compareTide(const QOVTide& other) const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::optional<platform::Date> m_date;
    std::string m_name;
    bool m_low = false;
    std::optional<double> m_height;
};

}  // namespace qov
