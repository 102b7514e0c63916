#include "app/maps/model/QOVMapTileConfig.h"

#include <cmath>

#include "app/maps/model/MapLayerCatalogue.h"
#include "platform/base/Clock.h"

namespace qov {

double QOVMapTileConfig::age() const {
    if (!m_configCreatedDate) {
        return 0.0;
    }
    return m_configCreatedDate->timeIntervalSince(platform::Clock::shared()->now());
}

bool QOVMapTileConfig::isStale() const {
    // A NaN age compares false everywhere: such a date counts as stale too.
    return !m_configCreatedDate || !(std::trunc(std::fabs(age())) <= kStaleAge);
}

std::vector<std::string> QOVMapTileConfig::allLayers() const {
    std::vector<std::string> types;
    types.reserve(m_mapLayers.size());
    for (const auto& [type, layer] : m_mapLayers) {
        types.push_back(type);
    }
    return types;
}

std::map<std::string, std::string> QOVMapTileConfig::displayableLayers() { return MapLayerCatalogue::displayNames(); }

std::shared_ptr<QOVMapSeries> QOVMapTileConfig::latestSeriesForLayer(const std::string& layerType) const {
    const auto layer = tileSeriesForLayer(layerType);
    return layer && !layer->availableSeries().empty() ? layer->availableSeries().front() : nullptr;
}

std::shared_ptr<QOVMapLayer> QOVMapTileConfig::tileSeriesForLayer(const std::string& layerType) const {
    const auto found = m_mapLayers.find(layerType);
    return found == m_mapLayers.end() ? nullptr : found->second;
}

QOVMapSeries::List QOVMapTileConfig::futureTileSeriesForLayer(const std::string& layerType,
                                                              bool includePastSeries) const {
    const std::string base = layerType == "sat" ? "clouds" : layerType;
    auto layer = tileSeriesForLayer("future_" + base + "_ff");
    if (!layer) {
        layer = tileSeriesForLayer(base + "_ff");
    }
    if (!layer || layer->availableSeries().empty() || !layer->availableSeries().front()->ffSeries()) {
        return {};
    }
    QOVMapSeries::List frames;
    for (const auto& frame : *layer->availableSeries().front()->ffSeries()) {
        if (includePastSeries || !frame->isPast()) {
            frames.push_back(frame);
        }
    }
    if (frames.size() > kForecastFrames) {
        const auto first = frames.end() - static_cast<std::ptrdiff_t>(kForecastFrames + 1);
        return QOVMapSeries::List(first, first + static_cast<std::ptrdiff_t>(kForecastFrames));
    }
    return frames;
}

void QOVMapTileConfig::encodeWithCoder(platform::KeyedArchiver& coder) const {
    platform::Dictionary layers;
    for (const auto& [type, layer] : m_mapLayers) {
        if (layer) {
            layers.emplace(type, platform::Value(std::shared_ptr<platform::Object>(layer)));
        }
    }
    coder.encodeValue(platform::Value(std::move(layers)), "mapLayers");
    coder.encodeDate(m_configCreatedDate, "configCreatedDate");
    coder.encodeString(m_localZone, "localZone");
    coder.encodeDouble(m_offset, "offset");
}

void QOVMapTileConfig::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_mapLayers.clear();
    const platform::Value stored = coder.decodeValue("mapLayers");
    if (const auto* layers = stored.ifDictionary()) {
        for (const auto& [type, value] : *layers) {
            if (auto layer = value.object<QOVMapLayer>()) {
                m_mapLayers.emplace(type, std::move(layer));
            }
        }
    }
    m_configCreatedDate = coder.decodeDate("configCreatedDate");
    m_localZone = coder.decodeString("localZone");
    m_offset = coder.decodeDouble("offset");
}

}  // namespace qov
