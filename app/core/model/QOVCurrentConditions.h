#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVDataObject.h"
#include "platform/base/Date.h"

namespace qov {

// The latest observation of a location.
// Archive keys carry the prefix "cc_".
class QOVCurrentConditions : public QOVDataObject {
public:
    const std::optional<platform::Date>& date() const { return m_date; }
    void setDate(std::optional<platform::Date> date) { m_date = std::move(date); }
    const std::string& obsName() const { return m_obsName; }
    void setObsName(std::string obsName) { m_obsName = std::move(obsName); }
    const std::string& key() const { return m_key; }
    void setKey(std::string key) { m_key = std::move(key); }
    std::int32_t weatherIconNumber() const { return m_weatherIconNumber; }
    void setWeatherIconNumber(std::int32_t weatherIconNumber) { m_weatherIconNumber = weatherIconNumber; }
    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    std::int32_t temperature() const { return m_temperature; }
    void setTemperature(std::int32_t temperature) { m_temperature = temperature; }
    std::int32_t feelsLike() const { return m_feelsLike; }
    void setFeelsLike(std::int32_t feelsLike) { m_feelsLike = feelsLike; }
    const std::optional<double>& pressure() const { return m_pressure; }
    void setPressure(std::optional<double> pressure) { m_pressure = std::move(pressure); }
    const std::string& pressureDescription() const { return m_pressureDescription; }
    void setPressureDescription(std::string pressureDescription) {
        m_pressureDescription = std::move(pressureDescription);
    }
    std::int32_t windSpeed() const { return m_windSpeed; }
    void setWindSpeed(std::int32_t windSpeed) { m_windSpeed = windSpeed; }
    std::int32_t windDirection() const { return m_windDirection; }
    void setWindDirection(std::int32_t windDirection) { m_windDirection = windDirection; }
    const std::string& windDirectionDescription() const { return m_windDirectionDescription; }
    void setWindDirectionDescription(std::string windDirectionDescription) {
        m_windDirectionDescription = std::move(windDirectionDescription);
    }
    std::int32_t windGust() const { return m_windGust; }
    void setWindGust(std::int32_t windGust) { m_windGust = windGust; }
    std::int32_t visibility() const { return m_visibility; }
    void setVisibility(std::int32_t visibility) { m_visibility = visibility; }
    std::int32_t humidity() const { return m_humidity; }
    void setHumidity(std::int32_t humidity) { m_humidity = humidity; }
    std::int32_t dewPoint() const { return m_dewPoint; }
    void setDewPoint(std::int32_t dewPoint) { m_dewPoint = dewPoint; }
    std::int32_t tend() const { return m_tend; }
    void setTend(std::int32_t tend) { m_tend = tend; }
    std::int32_t uvIndex() const { return m_uvIndex; }
    void setUvIndex(std::int32_t uvIndex) { m_uvIndex = uvIndex; }
    const std::string& uvText() const { return m_uvText; }
    void setUvText(std::string uvText) { m_uvText = std::move(uvText); }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::optional<platform::Date> m_date;
    std::string m_obsName;
    std::string m_key;
    std::int32_t m_weatherIconNumber = 0;
    std::string m_text;
    std::int32_t m_temperature = 0;
    std::int32_t m_feelsLike = 0;
    std::optional<double> m_pressure;
    std::string m_pressureDescription;
    std::int32_t m_windSpeed = 0;
    std::int32_t m_windDirection = 0;
    std::string m_windDirectionDescription;
    std::int32_t m_windGust = 0;
    std::int32_t m_visibility = 0;
    std::int32_t m_humidity = 0;
    std::int32_t m_dewPoint = 0;
    std::int32_t m_tend = 0;
    std::int32_t m_uvIndex = 0;
    std::string m_uvText;
};

}  // namespace qov
