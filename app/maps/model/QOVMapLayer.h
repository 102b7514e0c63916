#pragma once

#include <cstdint>
#include <string>

#include "app/maps/model/QOVMapSeries.h"

namespace qov {

class QOVMapTileConfig;

// One layer of the tile server (radar, clouds, a forecast layer, ...) with its series in the server's order,
// newest first. Archive keys: "layerType", "maxZoom", "native", "nativeZoom", "availableSeries"; the two
// animation flags live only in memory.
class QOVMapLayer : public platform::Archivable {
public:
    // Radar loops show at most this many frames (fewer on the oldest devices).
    static constexpr std::size_t kRadarFrames = 12;
    static constexpr std::size_t kRadarFramesOnOldDevices = 8;

    const std::string& layerType() const { return m_layerType; }
    void setLayerType(std::string layerType) { m_layerType = std::move(layerType); }
    std::uint32_t maxZoom() const { return m_maxZoom; }
    void setMaxZoom(std::uint32_t maxZoom) { m_maxZoom = maxZoom; }
    std::uint32_t native() const { return m_native; }
    void setNative(std::uint32_t native) { m_native = native; }
    std::uint32_t nativeZoom() const { return m_nativeZoom; }
    void setNativeZoom(std::uint32_t nativeZoom) { m_nativeZoom = nativeZoom; }
    const QOVMapSeries::List& availableSeries() const { return m_availableSeries; }
    void setAvailableSeries(QOVMapSeries::List series) { m_availableSeries = std::move(series); }
    bool futureSeriesAnimation() const { return m_futureSeriesAnimation; }
    void setFutureSeriesAnimation(bool animate) { m_futureSeriesAnimation = animate; }
    bool includePastSeriesInFuture() const { return m_includePastSeriesInFuture; }
    void setIncludePastSeriesInFuture(bool include) { m_includePastSeriesInFuture = include; }

    // The series of a loop: with futureSeriesAnimation, the forecast frames of this layer's type in the given
    // configuration (the map cache's current one; none gives none); for a layer whose catalogue row takes every
    // second frame ("radar", see MapLayerCatalogue) every second series from the newest (at most kRadarFrames,
    // or kRadarFramesOnOldDevices on a device whose model begins "iPhone2,"); otherwise all but the oldest.
    QOVMapSeries::List animationSeries(const QOVMapTileConfig* configuration) const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_layerType;
    std::uint32_t m_maxZoom = 0;
    std::uint32_t m_native = 0;
    std::uint32_t m_nativeZoom = 0;
    QOVMapSeries::List m_availableSeries;
    bool m_futureSeriesAnimation = false;
    bool m_includePastSeriesInFuture = false;
};

}  // namespace qov
