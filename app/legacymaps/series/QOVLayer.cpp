#include "app/legacymaps/series/QOVLayer.h"

namespace qov {

QOVLayer::QOVLayer(std::string name, std::int64_t maxZoom, std::int64_t native, std::int64_t nativeZoom)
    : m_name(std::move(name)),
      m_maxZoom(maxZoom),
      m_native(native),
      m_nativeZoom(nativeZoom),
      m_future(m_name.ends_with("_ff")) {}

void QOVLayer::addSeries(std::shared_ptr<QOVSeries> series) {
    if (series) {
        m_series.push_back(std::move(series));
    }
}

std::shared_ptr<QOVSeries> QOVLayer::firstSeries() const { return m_series.empty() ? nullptr : m_series.front(); }

std::shared_ptr<QOVSeries> QOVLayer::seriesForTimeSlice(std::int64_t index) const {
    if (m_future) {
        const auto first = firstSeries();
        return first ? first->futureSeriesForTimeSlice(index) : nullptr;
    }
    if (index < 0 || index >= static_cast<std::int64_t>(m_series.size())) {
        return nullptr;
    }
    return m_series[static_cast<std::size_t>(index)];
}

std::size_t QOVLayer::numberOfSeries() const {
    if (m_future) {
        const auto first = firstSeries();
        return first ? first->numberOfFutureSeries() : 0;
    }
    return m_series.size();
}

std::string QOVLayer::hiRadUnixDate() const {
    const auto first = m_future ? firstSeries() : nullptr;
    return first ? first->unixDate() : std::string();
}

std::string QOVLayer::hiRadDate() const {
    const auto first = m_future ? firstSeries() : nullptr;
    return first ? first->date() : std::string();
}

}  // namespace qov
