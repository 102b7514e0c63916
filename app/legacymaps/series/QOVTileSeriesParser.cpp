#include "app/legacymaps/series/QOVTileSeriesParser.h"

#include <cctype>
#include <limits>
#include <vector>

#include "app/core/xml/WhitespaceTrim.h"
#include "app/legacymaps/categories/NSArrayQOVAdditions.h"

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

// Leading white space, an optional sign, then digits up to the first other character; clamped to 64 bits.
std::int64_t integerPrefix(std::string_view text) {
    std::size_t index = 0;
    while (index < text.size() && std::isspace(static_cast<unsigned char>(text[index]))) {
        ++index;
    }
    const bool negative = index < text.size() && text[index] == '-';
    if (index < text.size() && (text[index] == '-' || text[index] == '+')) {
        ++index;
    }
    constexpr auto kLimit = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; index < text.size() && std::isdigit(static_cast<unsigned char>(text[index])); ++index) {
        const int digit = text[index] - '0';
        if (value > (kLimit - digit) / 10) {
            return negative ? std::numeric_limits<std::int64_t>::min() : kLimit;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
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
    return integerPrefix(stringFromDictionary(node, key));
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
