#include "app/maps/model/QOVMapSeries.h"

#include <fmt/format.h>

#include "app/core/model/ArchiveCoding.h"
#include "app/maps/model/SeriesDateText.h"
#include "platform/base/NumberText.h"

namespace qov {

std::string QOVMapSeries::description() const {
    return fmt::format("layer: {}, series: {}", m_layerName, m_seriesDate);
}

std::string QOVMapSeries::displayDate(double configurationOffset) const {
    return displayDateWithTimeZone(std::nullopt, configurationOffset);
}

std::string QOVMapSeries::displayDateWithTimeZone(const std::optional<std::string>& timeZoneName,
                                                  double configurationOffset) const {
    const double milliseconds = platform::doubleFromText(m_unixDate) + configurationOffset;
    return SeriesDateText::mediumDateShortTime(milliseconds / 1000.0, timeZoneName.value_or("EST"));
}

void QOVMapSeries::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_layerName, "layerName");
    coder.encodeString(m_seriesDate, "seriesDate");
    coder.encodeString(m_unixDate, "unixDate");
    coder.encodeInteger(m_offset, "offset");
    archive::encodeList(coder, m_ffSeries, "ffSeries");
    coder.encodeBool(m_isPast, "isPast");
    archive::encodeOptionalString(coder, m_masterSeriesDate, "masterSeriesDate");
}

void QOVMapSeries::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_layerName = coder.decodeString("layerName");
    m_seriesDate = coder.decodeString("seriesDate");
    m_unixDate = coder.decodeString("unixDate");
    m_offset = coder.decodeInteger("offset");
    m_ffSeries = archive::decodeList<QOVMapSeries>(coder, "ffSeries");
    m_isPast = coder.decodeBool("isPast");
    m_masterSeriesDate = archive::decodeOptionalString(coder, "masterSeriesDate");
}

}  // namespace qov
