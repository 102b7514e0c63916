#include "app/core/model/QOVHiRadHourlyForecast.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVHiRadHourlyForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVHourlyForecast::encodeWithCoder(coder);
    coder.encodeInteger(m_severity, "hiRadSeverity");
    coder.encodeInteger(m_visibility, "hiRadVisibility");
    archive::encodeOptionalDouble(coder, m_precipitationRate, "hiRadPrecipitationRate");
    archive::encodeOptionalDouble(coder, m_snowRate, "hiRadSnowRate");
    coder.encodeString(m_uvText, "hiRadUvText");
}

void QOVHiRadHourlyForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVHourlyForecast::decodeWithCoder(coder);
    m_severity = archive::decodeInt32(coder, "hiRadSeverity");
    m_visibility = archive::decodeInt32(coder, "hiRadVisibility");
    m_precipitationRate = archive::decodeOptionalDouble(coder, "hiRadPrecipitationRate");
    m_snowRate = archive::decodeOptionalDouble(coder, "hiRadSnowRate");
    m_uvText = coder.decodeString("hiRadUvText");
}

}  // namespace qov
