#include "app/core/model/QOVDayPartForecast.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVDayPartForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVBasicForecast::encodeWithCoder(coder);
    coder.encodeString(m_shortText, "daypart_shortText");
    coder.encodeString(m_weatherCode, "daypart_weatherCode");
    coder.encodeString(m_precipitationType, "daypart_precipitationType");
    coder.encodeString(m_snowAccumulationPhrase, "daypart_snowAccumulationPhrase");
    coder.encodeString(m_snowAccumulationTersePhrase, "daypart_snowAccumulationTersePhrase");
    coder.encodeString(m_extendedQualifier, "daypart_extendedQualifier");
}

void QOVDayPartForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVBasicForecast::decodeWithCoder(coder);
    m_shortText = coder.decodeString("daypart_shortText");
    m_weatherCode = coder.decodeString("daypart_weatherCode");
    m_precipitationType = coder.decodeString("daypart_precipitationType");
    m_snowAccumulationPhrase = coder.decodeString("daypart_snowAccumulationPhrase");
    m_snowAccumulationTersePhrase = coder.decodeString("daypart_snowAccumulationTersePhrase");
    m_extendedQualifier = coder.decodeString("daypart_extendedQualifier");
}

}  // namespace qov
