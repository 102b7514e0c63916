#include "app/core/model/QOVBeachAndBoatForecast.h"

#include "app/core/model/ArchiveCoding.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVTide.h"

namespace qov {

QOVBeachAndBoatForecast::QOVBeachAndBoatForecast()
    : m_marineForecastArray(MarineForecastList{}), m_tideArray(TideList{}) {}

bool QOVBeachAndBoatForecast::isValid() const {
    return m_marineForecastArray && !m_marineForecastArray->empty() && m_tideArray && !m_tideArray->empty();
}

void QOVBeachAndBoatForecast::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    archive::encodeList(coder, m_marineForecastArray, "MarineForecastKey");
    archive::encodeList(coder, m_tideArray, "TidesKey");
}

void QOVBeachAndBoatForecast::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_marineForecastArray = archive::decodeList<QOVMarineForecast>(coder, "MarineForecastKey");
    m_tideArray = archive::decodeList<QOVTide>(coder, "TidesKey");
}

}  // namespace qov
