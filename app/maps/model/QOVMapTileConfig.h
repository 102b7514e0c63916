#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/maps/model/QOVMapLayer.h"
#include "platform/base/Date.h"

namespace qov {

// What the tile server offers, as one series list described it: its layers by type, when the list was read
// on this device, the server's local zone and the offset (milliseconds) added to series times before they
// are shown. Built once per document (MapSeriesBuilder) and not changed afterwards, so it may be read from
// any thread. Archive keys: "mapLayers", "configCreatedDate" (absent when unknown), "localZone", "offset".
class QOVMapTileConfig : public platform::Archivable {
public:
    using Layers = std::map<std::string, std::shared_ptr<QOVMapLayer>>;

    // A configuration older (or further ahead) than this many whole seconds is stale.
    static constexpr double kStaleAge = 1200.0;
    // Forecast loops show at most this many frames.
    static constexpr std::size_t kForecastFrames = 8;

    const Layers& mapLayers() const { return m_mapLayers; }
    void setMapLayers(Layers layers) { m_mapLayers = std::move(layers); }
    const std::optional<platform::Date>& configCreatedDate() const { return m_configCreatedDate; }
    void setConfigCreatedDate(std::optional<platform::Date> date) { m_configCreatedDate = date; }
    const std::string& localZone() const { return m_localZone; }
    void setLocalZone(std::string localZone) { m_localZone = std::move(localZone); }
    double offset() const { return m_offset; }
    void setOffset(double offset) { m_offset = offset; }

    // Seconds from now to the creation (negative for the past); 0 without a creation date.
    double age() const;
    // Older than kStaleAge in whole seconds either way, or without a creation date.
    bool isStale() const;

    std::vector<std::string> allLayers() const;
    // Layer type → localised display name, for the layers the maps screen offers (MapLayerCatalogue).
    static std::map<std::string, std::string> displayableLayers();
    // The newest series of the layer; nullptr when the layer is unknown or has none.
    std::shared_ptr<QOVMapSeries> latestSeriesForLayer(const std::string& layerType) const;
    std::shared_ptr<QOVMapLayer> tileSeriesForLayer(const std::string& layerType) const;
    // The forecast frames of a layer: the newest run of "future_<base>_ff" (else "<base>_ff"), where the base
    // is the layer type ("sat" reads "clouds"); frames marked past only when includePastSeries. Of 9 or more
    // frames the kForecastFrames that start 9 from the end are kept (the last frame is left out).
    QOVMapSeries::List futureTileSeriesForLayer(const std::string& layerType, bool includePastSeries) const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    Layers m_mapLayers;
    std::optional<platform::Date> m_configCreatedDate;
    std::string m_localZone;
    double m_offset = 0.0;
};

}  // namespace qov
