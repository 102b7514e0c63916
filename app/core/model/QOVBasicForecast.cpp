#include "app/core/model/QOVBasicForecast.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVBasicForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_text, "basicText");
    coder.encodeInteger(m_weatherIconIndex, "basicWeatherIconIndex");
    coder.encodeInteger(m_windSpeed, "basicWindSpeed");
    coder.encodeInteger(m_windDirection, "basicWindDirection");
    coder.encodeString(m_windDirectionDescription, "basicWindDirectionDescription");
    coder.encodeInteger(m_humidity, "basicHumidity");
    coder.encodeInteger(m_uvIndex, "basicUvIndex");
    coder.encodeInteger(m_chanceOfPrecipitation, "basicChanceOfPrecip");
}

void QOVBasicForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_text = coder.decodeString("basicText");
    m_weatherIconIndex = archive::decodeInt32(coder, "basicWeatherIconIndex");
    m_windSpeed = archive::decodeInt32(coder, "basicWindSpeed");
    m_windDirection = archive::decodeInt32(coder, "basicWindDirection");
    m_windDirectionDescription = coder.decodeString("basicWindDirectionDescription");
    m_humidity = archive::decodeInt32(coder, "basicHumidity");
    m_uvIndex = archive::decodeInt32(coder, "basicUvIndex");
    m_chanceOfPrecipitation = archive::decodeInt32(coder, "basicChanceOfPrecip");
}

}  // namespace qov
