#pragma once

#include <map>
#include <memory>
#include <vector>

#include "app/core/model/QOVLocation.h"

namespace qov {

class QOVHourlyForecast;

// The rows of the hourly panel for a location. With high-resolution data: every high-resolution forecast at
// the top of an hour (minutes "00" in the location's time zone) is a row, and its group is it and the next
// three entries of the high-resolution list that exist; the hourly forecasts dated after the last such row
// follow. Without high-resolution data (or with none at the top of an hour) the rows are the hourly
// forecasts. Entries without a date are never top-of-hour rows.
class HourlyRows {
public:
    using Forecasts = std::vector<std::shared_ptr<QOVHourlyForecast>>;

    static HourlyRows build(const QOVLocation& location, bool useHighResolution);

    const Forecasts& rows() const { return m_rows; }
    // The group of a top-of-hour row; empty for other rows.
    const Forecasts& groupFor(const QOVHourlyForecast& row) const;

private:
    Forecasts m_rows;
    std::map<const QOVHourlyForecast*, Forecasts> m_groups;
};

}  // namespace qov
