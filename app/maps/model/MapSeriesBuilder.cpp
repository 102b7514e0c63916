#include "app/maps/model/MapSeriesBuilder.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "app/core/xml/XmlParser.h"
#include "app/maps/model/MapTileNames.h"
#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/NumberText.h"

QOV_LOG_LEVEL(3)

namespace qov {

namespace {

std::string lowerCased(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string attribute(const XmlAttributes& attributes, std::string_view name) {
    const auto found = attributes.find(name);
    return found == attributes.end() ? std::string() : found->second;
}

// The attribute's leading integer (platform/base/NumberText.h), clamped to 32 unsigned bits.
std::uint32_t unsignedAttribute(const XmlAttributes& attributes, std::string_view name) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(platform::longFromText(attribute(attributes, name)), 0,
                                                               std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

void MapSeriesBuilder::buildWithXML(std::string_view data) {
    XmlParser parser;
    parser.addXmlHandler(shared_from_this());
    std::optional<XmlError> error;
    if (!parser.parseXmlData(data, {}, &error)) {
        QOV_LOG_ERROR("The map series list did not parse: {}",
                      error ? error->description : std::string("unknown error"));
        m_tileConfig = nullptr;
    }
}

bool MapSeriesBuilder::handleTag(const std::string& name) { return name == "tiles"; }

bool MapSeriesBuilder::onStartElement(const std::string& name, const XmlAttributes& attributes) {
    if (name == "tiles") {
        m_tileConfig = std::make_shared<QOVMapTileConfig>();
        m_tileConfig->setConfigCreatedDate(platform::Clock::shared()->now());
        m_tileConfig->setLocalZone(attribute(attributes, "localZone"));
        m_tileConfig->setOffset(platform::doubleFromText(attribute(attributes, "offset")));
        return true;
    }
    const std::string lower = lowerCased(name);
    if (lower == "seriesinfo") {
        m_layerList.clear();
    } else if (lower == "series") {
        startSeries(attributes);
    } else if (lower == "ff") {
        startFrame(attributes);
    } else {
        startLayer(name, attributes);
    }
    return true;
}

void MapSeriesBuilder::startLayer(const std::string& name, const XmlAttributes& attributes) {
    m_currentLayer = name;
    m_seriesList.clear();
    m_mapSeries = nullptr;
    m_ffSeries = nullptr;
    if (!MapTileNames::isLayerType(name)) {
        QOV_LOG_ERROR("The map series list names a layer that cannot be used: {}", name);
        m_mapLayer = nullptr;
        return;
    }
    m_mapLayer = std::make_shared<QOVMapLayer>();
    m_mapLayer->setLayerType(name);
    m_mapLayer->setMaxZoom(unsignedAttribute(attributes, "maxZoom"));
    m_mapLayer->setNative(unsignedAttribute(attributes, "native"));
    m_mapLayer->setNativeZoom(unsignedAttribute(attributes, "nativeZoom"));
}

void MapSeriesBuilder::startSeries(const XmlAttributes& attributes) {
    m_ffSeriesList.clear();
    m_mapSeries = nullptr;
    const std::string date = attribute(attributes, "date");
    if (!m_mapLayer || !MapTileNames::isSeriesDate(date)) {
        return;
    }
    m_mapSeries = std::make_shared<QOVMapSeries>();
    m_mapSeries->setLayerName(m_mapLayer->layerType());
    m_mapSeries->setSeriesDate(date);
    m_mapSeries->setUnixDate(attribute(attributes, "unixDate"));
}

void MapSeriesBuilder::startFrame(const XmlAttributes& attributes) {
    m_ffSeries = nullptr;
    const std::string date = attribute(attributes, "date");
    if (!m_mapSeries || !MapTileNames::isSeriesDate(date)) {
        return;
    }
    m_ffSeries = std::make_shared<QOVMapSeries>();
    m_ffSeries->setLayerName(m_mapSeries->layerName());
    m_ffSeries->setSeriesDate(date);
    m_ffSeries->setUnixDate(attribute(attributes, "unixDate"));
    m_ffSeries->setMasterSeriesDate(m_mapSeries->seriesDate());
    m_ffSeries->setIsPast(attribute(attributes, "isPast") == "true");
}

bool MapSeriesBuilder::onContent(std::string_view) { return true; }

bool MapSeriesBuilder::onEndElement(const std::string& name) {
    const std::string lower = lowerCased(name);
    if (lower == "series" && m_mapSeries) {
        if (!m_ffSeriesList.empty()) {
            m_mapSeries->setFfSeries(m_ffSeriesList);
        }
        m_ffSeriesList.clear();
        m_seriesList.push_back(std::move(m_mapSeries));
        m_mapSeries = nullptr;
    }
    if (lower == "ff" && m_ffSeries) {
        m_ffSeriesList.push_back(std::move(m_ffSeries));
        m_ffSeries = nullptr;
    }
    if (lower == m_currentLayer && m_mapLayer) {
        m_mapLayer->setAvailableSeries(m_seriesList);
        m_layerList[m_mapLayer->layerType()] = m_mapLayer;
        m_mapLayer = nullptr;
        m_seriesList.clear();
    }
    if (lower == "seriesinfo" && m_tileConfig) {
        m_tileConfig->setMapLayers(m_layerList);
    }
    return name == "tiles";
}

}  // namespace qov
