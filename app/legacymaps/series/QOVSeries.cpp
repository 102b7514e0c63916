#include "app/legacymaps/series/QOVSeries.h"

#include "app/legacymaps/series/TilePathSegment.h"

namespace qov {

QOVSeries::QOVSeries(std::string date, std::string unixDate, std::int64_t offset)
    : m_date(std::move(date)), m_unixDate(std::move(unixDate)), m_offset(offset) {}

void QOVSeries::addFutureSeries(std::shared_ptr<QOVSeries> frame) {
    if (frame) {
        m_futureSeries.push_back(std::move(frame));
    }
}

std::shared_ptr<QOVSeries> QOVSeries::futureSeriesForTimeSlice(std::int64_t index) const {
    if (index < 0 || index >= static_cast<std::int64_t>(m_futureSeries.size())) {
        return nullptr;
    }
    return m_futureSeries[static_cast<std::size_t>(index)];
}

void QOVSeries::removeFutureSeriesForTimeSlice(std::int64_t index) {
    if (index >= 0 && index < static_cast<std::int64_t>(m_futureSeries.size())) {
        m_futureSeries.erase(m_futureSeries.begin() + index);
    }
}

std::string QOVSeries::dateForRequest() const {
    if (m_unixDate.empty() || !TilePathSegment::isAcceptable(m_unixDate)) {
        return {};
    }
    return "u" + m_unixDate;
}

}  // namespace qov
