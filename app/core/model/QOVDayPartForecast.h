#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVBasicForecast.h"
#include "platform/base/Date.h"

namespace qov {

// The day or the night half of a daily forecast. Archive keys: the basic forecast's, then its own with
// the prefix "daypart_".
class QOVDayPartForecast : public QOVBasicForecast {
public:
    const std::string& shortText() const { return m_shortText; }
    void setShortText(std::string shortText) { m_shortText = std::move(shortText); }
    const std::string& weatherCode() const { return m_weatherCode; }
    void setWeatherCode(std::string weatherCode) { m_weatherCode = std::move(weatherCode); }
    const std::string& precipitationType() const { return m_precipitationType; }
    void setPrecipitationType(std::string precipitationType) { m_precipitationType = std::move(precipitationType); }
    const std::string& snowAccumulationPhrase() const { return m_snowAccumulationPhrase; }
    void setSnowAccumulationPhrase(std::string snowAccumulationPhrase) {
        m_snowAccumulationPhrase = std::move(snowAccumulationPhrase);
    }
    const std::string& snowAccumulationTersePhrase() const { return m_snowAccumulationTersePhrase; }
    void setSnowAccumulationTersePhrase(std::string snowAccumulationTersePhrase) {
        m_snowAccumulationTersePhrase = std::move(snowAccumulationTersePhrase);
    }
    const std::string& extendedQualifier() const { return m_extendedQualifier; }
    void setExtendedQualifier(std::string extendedQualifier) { m_extendedQualifier = std::move(extendedQualifier); }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_shortText;
    std::string m_weatherCode;
    std::string m_precipitationType;
    std::string m_snowAccumulationPhrase;
    std::string m_snowAccumulationTersePhrase;
    std::string m_extendedQualifier;
};

}  // namespace qov
