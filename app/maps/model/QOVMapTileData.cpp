#include "app/maps/model/QOVMapTileData.h"

#include <fmt/format.h>

namespace qov {

std::string QOVMapTileData::description() const {
    return fmt::format("tile: layer={}, series={}, quadKey={} ({} bytes)", m_layerName, m_seriesDate, m_quadKey,
                       m_tileImageData ? m_tileImageData->size() : 0);
}

void QOVMapTileData::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_seriesDate, "seriesDate");
    coder.encodeString(m_layerName, "layerName");
    coder.encodeString(m_quadKey, "quadKey");
    if (m_tileImageData) {
        coder.encodeData(*m_tileImageData, "tileImageData");
    }
    coder.encodeDouble(m_mapRect.origin.x, "x");
    coder.encodeDouble(m_mapRect.origin.y, "y");
    coder.encodeDouble(m_mapRect.size.width, "width");
    coder.encodeDouble(m_mapRect.size.height, "height");
}

void QOVMapTileData::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_seriesDate = coder.decodeString("seriesDate");
    m_layerName = coder.decodeString("layerName");
    m_quadKey = coder.decodeString("quadKey");
    m_tileImageData.reset();
    if (coder.containsValueForKey("tileImageData")) {
        m_tileImageData = coder.decodeData("tileImageData");
    }
    m_mapRect = platform::map::MapRect(coder.decodeDouble("x"), coder.decodeDouble("y"), coder.decodeDouble("width"),
                                       coder.decodeDouble("height"));
}

}  // namespace qov
