#include "app/core/model/QOVHourlyForecast.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVHourlyForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVBasicForecast::encodeWithCoder(coder);
    coder.encodeString(m_key, "hourlyKey");
    coder.encodeDate(m_date, "hourlyDate");
    coder.encodeInteger(m_temperature, "hourlyTemp");
    coder.encodeInteger(m_feelsLike, "hourlyFeelsLike");
    coder.encodeInteger(m_dewPoint, "hourlyDewPoint");
}

void QOVHourlyForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVBasicForecast::decodeWithCoder(coder);
    m_key = coder.decodeString("hourlyKey");
    m_date = coder.decodeDate("hourlyDate");
    m_temperature = archive::decodeInt32(coder, "hourlyTemp");
    m_feelsLike = archive::decodeInt32(coder, "hourlyFeelsLike");
    m_dewPoint = archive::decodeInt32(coder, "hourlyDewPoint");
}

}  // namespace qov
