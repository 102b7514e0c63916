#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "app/core/xml/XmlHandler.h"
#include "app/maps/model/QOVMapTileConfig.h"
#include "platform/base/Value.h"

namespace qov {

// Reads the tile server's series list into a QOVMapTileConfig:
//
//   <tiles localZone="EST" offset="0"><seriesinfo>
//     <radar maxZoom="12" native="1" nativeZoom="7"><series date="..." unixDate="..."/>...</radar>
//     <future_radar_ff ...><series date=".." unixDate=".."><ff date=".." unixDate=".." isPast="true"/>...</series>
//   </seriesinfo></tiles>
//
// Every element inside "seriesinfo" other than "series" and "ff" is a layer named by its element; element names
// other than "tiles" are compared in lower case, so a layer written with capitals never closes and is left
// out. Names that could not safely become part of a file name or URL (MapTileNames) are dropped with what they
// hold: a layer of another name, a series or frame with another date. A series outside a layer and a frame
// outside a series are ignored. Element text is not used.
//
// One builder reads one document, synchronously on the caller's thread.
class MapSeriesBuilder : public XmlHandler, public std::enable_shared_from_this<MapSeriesBuilder> {
public:
    static std::shared_ptr<MapSeriesBuilder> create() { return std::make_shared<MapSeriesBuilder>(); }

    // Parses the document; afterwards tileConfig() holds the configuration, or nullptr when the document did
    // not parse or had no "tiles" element.
    void buildWithXML(std::string_view data);
    void buildWithXML(const platform::Data& data) {
        buildWithXML(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
    }
    const std::shared_ptr<QOVMapTileConfig>& tileConfig() const { return m_tileConfig; }

    bool handleTag(const std::string& name) override;
    bool onStartElement(const std::string& name, const XmlAttributes& attributes) override;
    bool onContent(std::string_view text) override;
    bool onEndElement(const std::string& name) override;

private:
    void startLayer(const std::string& name, const XmlAttributes& attributes);
    void startSeries(const XmlAttributes& attributes);
    void startFrame(const XmlAttributes& attributes);

    std::shared_ptr<QOVMapTileConfig> m_tileConfig;
    std::shared_ptr<QOVMapLayer> m_mapLayer;    // the open layer
    std::shared_ptr<QOVMapSeries> m_mapSeries;  // the open series
    std::shared_ptr<QOVMapSeries> m_ffSeries;   // the open forecast frame
    QOVMapSeries::List m_seriesList;
    QOVMapTileConfig::Layers m_layerList;
    std::string m_currentLayer;
    QOVMapSeries::List m_ffSeriesList;
};

}  // namespace qov
