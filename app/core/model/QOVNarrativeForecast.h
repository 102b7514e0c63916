#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVDataObject.h"
#include "platform/base/Date.h"

namespace qov {

// The narrative of one day part. Archive keys carry the prefix "narrative_".
class QOVNarrativeForecast : public QOVDataObject {
public:
    const std::optional<platform::Date>& date() const { return m_date; }
    void setDate(std::optional<platform::Date> date) { m_date = std::move(date); }
    const std::string& key() const { return m_key; }
    void setKey(std::string key) { m_key = std::move(key); }
    const std::string& dayPart() const { return m_dayPart; }
    void setDayPart(std::string dayPart) { m_dayPart = std::move(dayPart); }
    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    std::int32_t weatherIconIndex() const { return m_weatherIconIndex; }
    void setWeatherIconIndex(std::int32_t weatherIconIndex) { m_weatherIconIndex = weatherIconIndex; }
    std::int32_t uvIndex() const { return m_uvIndex; }
    void setUvIndex(std::int32_t uvIndex) { m_uvIndex = uvIndex; }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::optional<platform::Date> m_date;
    std::string m_key;
    std::string m_dayPart;
    std::string m_text;
    std::int32_t m_weatherIconIndex = 0;
    std::int32_t m_uvIndex = 0;
};

}  // namespace qov
