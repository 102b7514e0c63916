#pragma once

#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVDataObject.h"
#include "platform/base/Date.h"

namespace qov {

// One marine forecast period of the nearest forecast station.
// Archive keys: "DateKey", "NameKey", "SeaTempKey", "SeaDescKey", "WavesKey", "WindKey", "WindSpeedKey",
// "WindDirectionKey".
class QOVMarineForecast : public QOVDataObject {
public:
    const std::optional<platform::Date>& date() const { return m_date; }
    void setDate(std::optional<platform::Date> date) { m_date = std::move(date); }
    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    std::int32_t seaTemp() const { return m_seaTemp; }
    void setSeaTemp(std::int32_t seaTemp) { m_seaTemp = seaTemp; }
    const std::string& seaDescription() const { return m_seaDescription; }
    void setSeaDescription(std::string seaDescription) { m_seaDescription = std::move(seaDescription); }
    const std::string& waveDescription() const { return m_waveDescription; }
    void setWaveDescription(std::string waveDescription) { m_waveDescription = std::move(waveDescription); }
    const std::string& wind() const { return m_wind; }
    void setWind(std::string wind) { m_wind = std::move(wind); }
    std::int32_t windSpeed() const { return m_windSpeed; }
    void setWindSpeed(std::int32_t windSpeed) { m_windSpeed = windSpeed; }
    std::int32_t windDirection() const { return m_windDirection; }
    void setWindDirection(std::int32_t windDirection) { m_windDirection = windDirection; }

    // The compass point of windDirection, in bands of 20 or 25 degrees; anything outside 13..347 is "N".
    std::string cardinalWindDirection() const;
    // Orders two periods by date (an absent date first).
    std::weak_ordering compareForecast(const QOVMarineForecast& other) const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::optional<platform::Date> m_date;
    std::string m_name;
    std::int32_t m_seaTemp = 0;
    std::string m_seaDescription;
    std::string m_waveDescription;
    std::string m_wind;
    std::int32_t m_windSpeed = 0;
    std::int32_t m_windDirection = 0;
};

}  // namespace qov
