#include "app/core/model/QOVSunriseSunset.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVSunriseSunset::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeString(m_key, "sunriseKey");
    coder.encodeDate(m_sunrise, "sunriseSunrise");
    coder.encodeDate(m_sunset, "sunriseSunset");
}

void QOVSunriseSunset::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_key = coder.decodeString("sunriseKey");
    m_sunrise = coder.decodeDate("sunriseSunrise");
    m_sunset = coder.decodeDate("sunriseSunset");
}

}  // namespace qov
