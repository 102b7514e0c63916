#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qov {

// One series of a layer of the older tile map's series list (its "date" and "unixDate" texts, empty when
// absent), or one forecast frame with its "offset". A series of a forecast layer holds the run's frames that
// are not past. Built by QOVTileSeriesParser, then only read; not thread-safe.
class QOVSeries {
public:
    QOVSeries(std::string date, std::string unixDate, std::int64_t offset = 0);

    const std::string& date() const { return m_date; }
    const std::string& unixDate() const { return m_unixDate; }
    std::int64_t offset() const { return m_offset; }

    std::size_t numberOfFutureSeries() const { return m_futureSeries.size(); }
    void addFutureSeries(std::shared_ptr<QOVSeries> frame);
    // The frame at index, or nullptr when the index is out of range (negative included).
    std::shared_ptr<QOVSeries> futureSeriesForTimeSlice(std::int64_t index) const;
    // Ignored when the index is out of range.
    void removeFutureSeriesForTimeSlice(std::int64_t index);

    // The tile path's time segment: "u" followed by the unix date; empty when the unix date is empty or cannot
    // be one path segment (it holds "/" or "..").
    std::string dateForRequest() const;

private:
    std::string m_date;
    std::string m_unixDate;
    std::int64_t m_offset;
    std::vector<std::shared_ptr<QOVSeries>> m_futureSeries;
};

}  // namespace qov
