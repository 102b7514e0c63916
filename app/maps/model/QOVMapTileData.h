#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/gfx/Image.h"
#include "platform/map/MapRect.h"
#include "platform/storage/KeyedArchiver.h"

namespace qov {

// One map tile: which layer, series and quadkey it is, where it lies on the map, and its PNG bytes as the
// tile server sent them (none when it could not be fetched). Archive keys: "seriesDate", "layerName",
// "quadKey", "tileImageData" (absent without data), and the map rect as "x", "y", "width", "height".
// A freshly fetched tile also carries its decoded picture (never archived), so whoever draws it need not
// decode it again; a tile read back from a file has none. The picture lives as long as the tile object: hold
// fetched tiles only while they are needed.
class QOVMapTileData : public platform::Archivable {
public:
    const std::string& seriesDate() const { return m_seriesDate; }
    void setSeriesDate(std::string seriesDate) { m_seriesDate = std::move(seriesDate); }
    const std::string& layerName() const { return m_layerName; }
    void setLayerName(std::string layerName) { m_layerName = std::move(layerName); }
    const std::string& quadKey() const { return m_quadKey; }
    void setQuadKey(std::string quadKey) { m_quadKey = std::move(quadKey); }
    const std::optional<platform::Data>& tileImageData() const { return m_tileImageData; }
    void setTileImageData(std::optional<platform::Data> data) { m_tileImageData = std::move(data); }
    const std::shared_ptr<platform::gfx::Image>& decodedImage() const { return m_decodedImage; }
    void setDecodedImage(std::shared_ptr<platform::gfx::Image> image) { m_decodedImage = std::move(image); }
    const platform::map::MapRect& mapRect() const { return m_mapRect; }
    void setMapRect(const platform::map::MapRect& mapRect) { m_mapRect = mapRect; }

    // "tile: layer=radar, series=201101010000, quadKey=0320 (1234 bytes)"
    std::string description() const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_seriesDate;
    std::string m_layerName;
    std::string m_quadKey;
    std::optional<platform::Data> m_tileImageData;
    std::shared_ptr<platform::gfx::Image> m_decodedImage;  // the tile image data's picture, when known
    platform::map::MapRect m_mapRect;
};

}  // namespace qov
