#include "app/core/model/QOVNarrativeForecast.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVNarrativeForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeDate(m_date, "narrative_date");
    coder.encodeString(m_key, "narrative_key");
    coder.encodeString(m_dayPart, "narrative_dayPart");
    coder.encodeString(m_text, "narrative_text");
    coder.encodeInteger(m_weatherIconIndex, "narrative_weatherIconIndex");
    coder.encodeInteger(m_uvIndex, "narrative_uvIndex");
}

void QOVNarrativeForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_date = coder.decodeDate("narrative_date");
    m_key = coder.decodeString("narrative_key");
    m_dayPart = coder.decodeString("narrative_dayPart");
    m_text = coder.decodeString("narrative_text");
    m_weatherIconIndex = archive::decodeInt32(coder, "narrative_weatherIconIndex");
    m_uvIndex = archive::decodeInt32(coder, "narrative_uvIndex");
}

}  // namespace qov
