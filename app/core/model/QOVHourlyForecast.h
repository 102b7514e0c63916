#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVBasicForecast.h"
#include "platform/base/Date.h"

namespace qov {

// One forecast hour. Archive keys: the basic forecast's, then its own with the prefix "hourly".
class QOVHourlyForecast : public QOVBasicForecast {
public:
    const std::string& key() const { return m_key; }
    void setKey(std::string key) { m_key = std::move(key); }
    const std::optional<platform::Date>& date() const { return m_date; }
    void setDate(std::optional<platform::Date> date) { m_date = std::move(date); }
    std::int32_t temperature() const { return m_temperature; }
    void setTemperature(std::int32_t temperature) { m_temperature = temperature; }
    std::int32_t feelsLike() const { return m_feelsLike; }
    void setFeelsLike(std::int32_t feelsLike) { m_feelsLike = feelsLike; }
    std::int32_t dewPoint() const { return m_dewPoint; }
    void setDewPoint(std::int32_t dewPoint) { m_dewPoint = dewPoint; }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_key;
    std::optional<platform::Date> m_date;
    std::int32_t m_temperature = 0;
    std::int32_t m_feelsLike = 0;
    std::int32_t m_dewPoint = 0;
};

}  // namespace qov
