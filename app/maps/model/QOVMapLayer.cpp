#include "app/maps/model/QOVMapLayer.h"

#include <algorithm>
#include <limits>

#include "app/core/categories/UIDeviceVessamy.h"
#include "app/core/model/ArchiveCoding.h"
#include "app/maps/model/MapLayerCatalogue.h"
#include "app/maps/model/QOVMapTileConfig.h"

namespace qov {

namespace {

std::uint32_t decodeUnsigned(const platform::KeyedUnarchiver& coder, std::string_view key) {
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(coder.decodeInteger(key), 0, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

QOVMapSeries::List QOVMapLayer::animationSeries(const QOVMapTileConfig* configuration) const {
    if (m_futureSeriesAnimation) {
        return configuration ? configuration->futureTileSeriesForLayer(m_layerType, m_includePastSeriesInFuture)
                             : QOVMapSeries::List{};
    }
    if (m_availableSeries.empty()) {
        return {};
    }
    if (const auto* kind = MapLayerCatalogue::find(m_layerType); kind && kind->everySecondFrame) {
        const std::size_t limit =
            UIDeviceVessamy::platform().starts_with("iPhone2,") ? kRadarFramesOnOldDevices : kRadarFrames;
        QOVMapSeries::List frames;
        for (std::size_t index = 0; index < m_availableSeries.size() && frames.size() < limit; index += 2) {
            frames.push_back(m_availableSeries[index]);
        }
        return frames;
    }
    return QOVMapSeries::List(m_availableSeries.begin(), m_availableSeries.end() - 1);
}

void QOVMapLayer::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_layerType, "layerType");
    coder.encodeInteger(m_maxZoom, "maxZoom");
    coder.encodeInteger(m_native, "native");
    coder.encodeInteger(m_nativeZoom, "nativeZoom");
    archive::encodeList(coder, std::optional<QOVMapSeries::List>(m_availableSeries), "availableSeries");
}

void QOVMapLayer::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_layerType = coder.decodeString("layerType");
    m_maxZoom = decodeUnsigned(coder, "maxZoom");
    m_native = decodeUnsigned(coder, "native");
    m_nativeZoom = decodeUnsigned(coder, "nativeZoom");
    m_availableSeries = coder.decodeArrayOfClass<QOVMapSeries>("availableSeries");
}

}  // namespace qov
