#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVHourlyForecast.h"
#include "platform/base/Date.h"

namespace qov {

// One high-resolution forecast hour. Archive keys: the hourly forecast's, then its own with the
// prefix "hiRad". Rates are in the units the service gives.
class QOVHiRadHourlyForecast : public QOVHourlyForecast {
public:
    std::int32_t severity() const { return m_severity; }
    void setSeverity(std::int32_t severity) { m_severity = severity; }
    std::int32_t visibility() const { return m_visibility; }
    void setVisibility(std::int32_t visibility) { m_visibility = visibility; }
    const std::optional<double>& precipitationRate() const { return m_precipitationRate; }
    void setPrecipitationRate(std::optional<double> precipitationRate) {
        m_precipitationRate = std::move(precipitationRate);
    }
    const std::optional<double>& snowRate() const { return m_snowRate; }
    void setSnowRate(std::optional<double> snowRate) { m_snowRate = std::move(snowRate); }
    const std::string& uvText() const { return m_uvText; }
    void setUvText(std::string uvText) { m_uvText = std::move(uvText); }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::int32_t m_severity = 0;
    std::int32_t m_visibility = 0;
    std::optional<double> m_precipitationRate;
    std::optional<double> m_snowRate;
    std::string m_uvText;
};

}  // namespace qov
