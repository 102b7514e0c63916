#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/legacymaps/series/QOVSeries.h"

namespace qov {

// One layer of the older tile map's series list and its time slices. A forecast layer (its name ends with
// "_ff") takes its slices from the frames of its first series; any other layer's slices are its series in
// document order. Built by QOVTileSeriesParser, then only read; not thread-safe.
class QOVLayer {
public:
    QOVLayer(std::string name, std::int64_t maxZoom, std::int64_t native, std::int64_t nativeZoom);

    const std::string& name() const { return m_name; }
    std::int64_t maxZoom() const { return m_maxZoom; }
    std::int64_t native() const { return m_native; }
    std::int64_t nativeZoom() const { return m_nativeZoom; }
    bool isFuture() const { return m_future; }
    void setFuture(bool future) { m_future = future; }
    const std::vector<std::shared_ptr<QOVSeries>>& series() const { return m_series; }

    void addSeries(std::shared_ptr<QOVSeries> series);
    // The series (or forecast frame) of a time slice; nullptr when the index is out of range.
    std::shared_ptr<QOVSeries> seriesForTimeSlice(std::int64_t index) const;
    std::size_t numberOfSeries() const;
    // A forecast layer's run: its first series' unix date and date; empty for other layers.
    std::string hiRadUnixDate() const;
    std::string hiRadDate() const;

private:
    std::shared_ptr<QOVSeries> firstSeries() const;

    std::string m_name;
    std::int64_t m_maxZoom;
    std::int64_t m_native;
    std::int64_t m_nativeZoom;
    bool m_future;
    std::vector<std::shared_ptr<QOVSeries>> m_series;
};

}  // namespace qov
