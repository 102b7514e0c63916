#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/base/Date.h"
#include "platform/storage/KeyedArchiver.h"

namespace qov {

class QOVDayPartForecast;

// One forecast day with its day and night parts (either may be absent). Archive keys carry the prefix
// "daily". The precipitation type is absent when the service gave none.
class QOVDailyForecast : public platform::Archivable {
public:
    const std::string& key() const { return m_key; }
    void setKey(std::string key) { m_key = std::move(key); }
    const std::optional<platform::Date>& date() const { return m_date; }
    void setDate(std::optional<platform::Date> date) { m_date = std::move(date); }
    std::int32_t highTemperature() const { return m_highTemperature; }
    void setHighTemperature(std::int32_t highTemperature) { m_highTemperature = highTemperature; }
    std::int32_t lowTemperature() const { return m_lowTemperature; }
    void setLowTemperature(std::int32_t lowTemperature) { m_lowTemperature = lowTemperature; }
    const std::optional<std::string>& precipitationType() const { return m_precipitationType; }
    void setPrecipitationType(std::optional<std::string> precipitationType) {
        m_precipitationType = std::move(precipitationType);
    }
    const std::shared_ptr<QOVDayPartForecast>& dayForecast() const { return m_dayForecast; }
    void setDayForecast(std::shared_ptr<QOVDayPartForecast> dayForecast) { m_dayForecast = std::move(dayForecast); }
    const std::shared_ptr<QOVDayPartForecast>& nightForecast() const { return m_nightForecast; }
    void setNightForecast(std::shared_ptr<QOVDayPartForecast> nightForecast) {
        m_nightForecast = std::move(nightForecast);
    }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_key;
    std::optional<platform::Date> m_date;
    std::int32_t m_highTemperature = 0;
    std::int32_t m_lowTemperature = 0;
    std::optional<std::string> m_precipitationType;
    std::shared_ptr<QOVDayPartForecast> m_dayForecast;
    std::shared_ptr<QOVDayPartForecast> m_nightForecast;
};

}  // namespace qov
