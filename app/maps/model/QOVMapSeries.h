#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/storage/KeyedArchiver.h"

namespace qov {

// One time series of a map layer (tiles exist for it under its series date), or one forecast frame of a
// series, which then names its series as its master series date. Archive keys: "layerName", "seriesDate",
// "unixDate", "offset", "ffSeries" (absent when none), "isPast", "masterSeriesDate" (absent for a series).
class QOVMapSeries : public platform::Archivable {
public:
    using List = std::vector<std::shared_ptr<QOVMapSeries>>;

    const std::string& layerName() const { return m_layerName; }
    void setLayerName(std::string layerName) { m_layerName = std::move(layerName); }
    const std::string& seriesDate() const { return m_seriesDate; }
    void setSeriesDate(std::string seriesDate) { m_seriesDate = std::move(seriesDate); }
    // Milliseconds since 1970, as the server writes them.
    const std::string& unixDate() const { return m_unixDate; }
    void setUnixDate(std::string unixDate) { m_unixDate = std::move(unixDate); }
    std::int64_t offset() const { return m_offset; }
    void setOffset(std::int64_t offset) { m_offset = offset; }
    // The forecast frames of this series; nullopt when it has none.
    const std::optional<List>& ffSeries() const { return m_ffSeries; }
    void setFfSeries(std::optional<List> ffSeries) { m_ffSeries = std::move(ffSeries); }
    bool isPast() const { return m_isPast; }
    void setIsPast(bool isPast) { m_isPast = isPast; }
    const std::optional<std::string>& masterSeriesDate() const { return m_masterSeriesDate; }
    void setMasterSeriesDate(std::optional<std::string> date) { m_masterSeriesDate = std::move(date); }

    bool hasFutureSeries() const { return m_ffSeries && !m_ffSeries->empty(); }
    // "layer: radar, series: 201101010000"
    std::string description() const;

    // The series time (its unix date plus the configuration's offset, both in milliseconds; the map cache's
    // configurationOffset()) in the medium date and short time styles of the user's locale, in the named time
    // zone ("EST" when none is given or the name is unknown).
    std::string displayDate(double configurationOffset) const;
    std::string displayDateWithTimeZone(const std::optional<std::string>& timeZoneName,
                                        double configurationOffset) const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_layerName;
    std::string m_seriesDate;
    std::string m_unixDate;
    std::int64_t m_offset = 0;
    std::optional<List> m_ffSeries;
    bool m_isPast = false;
    std::optional<std::string> m_masterSeriesDate;
};

}  // namespace qov
