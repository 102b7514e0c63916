#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/base/Date.h"
#include "platform/storage/KeyedArchiver.h"

namespace qov {

// The fields every forecast period shares. Archive keys carry the prefix "basic".
class QOVBasicForecast : public platform::Archivable {
public:
    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    std::int32_t weatherIconIndex() const { return m_weatherIconIndex; }
    void setWeatherIconIndex(std::int32_t weatherIconIndex) { m_weatherIconIndex = weatherIconIndex; }
    std::int32_t windSpeed() const { return m_windSpeed; }
    void setWindSpeed(std::int32_t windSpeed) { m_windSpeed = windSpeed; }
    std::int32_t windDirection() const { return m_windDirection; }
    void setWindDirection(std::int32_t windDirection) { m_windDirection = windDirection; }
    const std::string& windDirectionDescription() const { return m_windDirectionDescription; }
    void setWindDirectionDescription(std::string windDirectionDescription) {
        m_windDirectionDescription = std::move(windDirectionDescription);
    }
    std::int32_t humidity() const { return m_humidity; }
    void setHumidity(std::int32_t humidity) { m_humidity = humidity; }
    std::int32_t uvIndex() const { return m_uvIndex; }
    void setUvIndex(std::int32_t uvIndex) { m_uvIndex = uvIndex; }
    std::int32_t chanceOfPrecipitation() const { return m_chanceOfPrecipitation; }
    void setChanceOfPrecipitation(std::int32_t chanceOfPrecipitation) {
        m_chanceOfPrecipitation = chanceOfPrecipitation;
    }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_text;
    std::int32_t m_weatherIconIndex = 0;
    std::int32_t m_windSpeed = 0;
    std::int32_t m_windDirection = 0;
    std::string m_windDirectionDescription;
    std::int32_t m_humidity = 0;
    std::int32_t m_uvIndex = 0;
    std::int32_t m_chanceOfPrecipitation = 0;
};

}  // namespace qov
