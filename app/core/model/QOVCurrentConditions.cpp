#include "app/core/model/QOVCurrentConditions.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVCurrentConditions::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeDate(m_date, "cc_date");
    coder.encodeString(m_obsName, "cc_obsName");
    coder.encodeString(m_key, "cc_key");
    coder.encodeInteger(m_weatherIconNumber, "cc_weatherIconNumber");
    coder.encodeString(m_text, "cc_text");
    coder.encodeInteger(m_temperature, "cc_temperature");
    coder.encodeInteger(m_feelsLike, "cc_feelsLike");
    archive::encodeOptionalDouble(coder, m_pressure, "cc_pressure");
    coder.encodeString(m_pressureDescription, "cc_pressureDescription");
    coder.encodeInteger(m_windSpeed, "cc_windSpeed");
    coder.encodeInteger(m_windDirection, "cc_windDirection");
    coder.encodeString(m_windDirectionDescription, "cc_windDirectionDescription");
    coder.encodeInteger(m_windGust, "cc_windGust");
    coder.encodeInteger(m_visibility, "cc_visibility");
    coder.encodeInteger(m_humidity, "cc_humidity");
    coder.encodeInteger(m_dewPoint, "cc_dewPoint");
    coder.encodeInteger(m_tend, "cc_tend");
    coder.encodeInteger(m_uvIndex, "cc_uvIndex");
    coder.encodeString(m_uvText, "cc_uvText");
}

void QOVCurrentConditions::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_date = coder.decodeDate("cc_date");
    m_obsName = coder.decodeString("cc_obsName");
    m_key = coder.decodeString("cc_key");
    m_weatherIconNumber = archive::decodeInt32(coder, "cc_weatherIconNumber");
    m_text = coder.decodeString("cc_text");
    m_temperature = archive::decodeInt32(coder, "cc_temperature");
    m_feelsLike = archive::decodeInt32(coder, "cc_feelsLike");
    m_pressure = archive::decodeOptionalDouble(coder, "cc_pressure");
    m_pressureDescription = coder.decodeString("cc_pressureDescription");
    m_windSpeed = archive::decodeInt32(coder, "cc_windSpeed");
    m_windDirection = archive::decodeInt32(coder, "cc_windDirection");
    m_windDirectionDescription = coder.decodeString("cc_windDirectionDescription");
    m_windGust = archive::decodeInt32(coder, "cc_windGust");
    m_visibility = archive::decodeInt32(coder, "cc_visibility");
    m_humidity = archive::decodeInt32(coder, "cc_humidity");
    m_dewPoint = archive::decodeInt32(coder, "cc_dewPoint");
    m_tend = archive::decodeInt32(coder, "cc_tend");
    m_uvIndex = archive::decodeInt32(coder, "cc_uvIndex");
    m_uvText = coder.decodeString("cc_uvText");
}

}  // namespace qov
