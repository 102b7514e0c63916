#include "app/core/model/QOVDailyForecast.h"

#include "app/core/model/ArchiveCoding.h"
#include "app/core/model/QOVDayPartForecast.h"

namespace qov {

void QOVDailyForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_key, "dailyKey");
    coder.encodeDate(m_date, "dailyDate");
    coder.encodeInteger(m_highTemperature, "dailyHighTemp");
    coder.encodeInteger(m_lowTemperature, "dailyLowTemp");
    archive::encodeOptionalString(coder, m_precipitationType, "dailyPrecipitationType");
    coder.encodeObject(m_dayForecast, "dailyDayForecast");
    coder.encodeObject(m_nightForecast, "dailyNightForecast");
}

void QOVDailyForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_key = coder.decodeString("dailyKey");
    m_date = coder.decodeDate("dailyDate");
    m_highTemperature = archive::decodeInt32(coder, "dailyHighTemp");
    m_lowTemperature = archive::decodeInt32(coder, "dailyLowTemp");
    m_precipitationType = archive::decodeOptionalString(coder, "dailyPrecipitationType");
    m_dayForecast = coder.decodeObjectOfClass<QOVDayPartForecast>("dailyDayForecast");
    m_nightForecast = coder.decodeObjectOfClass<QOVDayPartForecast>("dailyNightForecast");
}

}  // namespace qov
