#include "app/legacymaps/series/QOVTileSeriesParser.h"

#include <vector>

#include "app/core/xml/WhitespaceTrim.h"
#include "app/legacymaps/categories/NSArrayQOVAdditions.h"
#include "platform/base/NumberText.h"

namespace qov {

namespace {

std::string nodeName(const platform::Dictionary& node) {
    const platform::Value* name = platform::valueForKey(node, "name");
    return name ? name->stringValue() : std::string();
}

// The node's children that are node dictionaries named name.
std::vector<const platform::Dictionary*> childrenNamed(const platform::Dictionary& node, std::string_view name) {
    std::vector<const platform::Dictionary*> found;
    const platform::Value* children = platform::valueForKey(node, "children");
    if (!children || !children->ifArray()) {
        return found;
    }
    for (const platform::Value& child : *children->ifArray()) {
        const auto* dictionary = child.ifDictionary();
        if (dictionary && (name.empty() || nodeName(*dictionary) == name)) {
            found.push_back(dictionary);
        }
    }
    return found;
}

std::shared_ptr<QOVSeries> seriesFrom(const platform::Dictionary& node) {
    auto series = std::make_shared<QOVSeries>(QOVTileSeriesParser::stringFromDictionary(node, "date"),
                                              QOVTileSeriesParser::stringFromDictionary(node, "unixDate"));
    for (const platform::Dictionary* frame : childrenNamed(node, "ff")) {
        if (QOVTileSeriesParser::stringFromDictionary(*frame, "isPast") == "true") {
            continue;
        }
        series->addFutureSeries(
            std::make_shared<QOVSeries>(QOVTileSeriesParser::stringFromDictionary(*frame, "date"),
                                        QOVTileSeriesParser::stringFromDictionary(*frame, "unixDate"),
                                        QOVTileSeriesParser::intFromDictionary(*frame, "offset")));
    }
    return series;
}

}  // namespace

std::string QOVTileSeriesParser::stringFromDictionary(const platform::Dictionary& node, std::string_view key) {
    const platform::Value* attributes = platform::valueForKey(node, "attributes");
    if (!attributes || !attributes->ifArray()) {
        return {};
    }
    const auto value = NSArrayQOVAdditions::elementValueForName(*attributes->ifArray(), key);
    return value ? trimmedWhitespaceAndNewlines(*value) : std::string();
}

std::int64_t QOVTileSeriesParser::intFromDictionary(const platform::Dictionary& node, std::string_view key) {
    return platform::longFromText(stringFromDictionary(node, key));
}

bool QOVTileSeriesParser::parse(const platform::Dictionary& root) {
    if (nodeName(root) != "tiles") {
        return false;
    }
    m_timeStamp = stringFromDictionary(root, "timestamp");
    m_localZone = stringFromDictionary(root, "localZone");
    m_offset = intFromDictionary(root, "offset");
    m_layers.clear();
    for (const platform::Dictionary* seriesInfo : childrenNamed(root, "seriesInfo")) {
        for (const platform::Dictionary* layerNode : childrenNamed(*seriesInfo, "")) {
            auto layer = std::make_shared<QOVLayer>(nodeName(*layerNode), intFromDictionary(*layerNode, "maxZoom"),
                                                    intFromDictionary(*layerNode, "native"),
                                                    intFromDictionary(*layerNode, "nativeZoom"));
            for (const platform::Dictionary* seriesNode : childrenNamed(*layerNode, "series")) {
                layer->addSeries(seriesFrom(*seriesNode));
            }
            m_layers[layer->name()] = std::move(layer);
        }
    }
    return true;
}

}  // namespace qov
