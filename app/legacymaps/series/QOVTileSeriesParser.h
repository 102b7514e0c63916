#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "app/legacymaps/series/QOVLayer.h"
#include "platform/base/Value.h"

namespace qov {

// Reads the older tile map's series list from the node dictionary of its root element (the first node of
// PerformXMLAllNodesQuery): root "tiles" with "timestamp", "localZone" and "offset"; inside each "seriesInfo"
// one element per layer ("maxZoom", "native", "nativeZoom"); inside a layer "series" ("date", "unixDate");
// inside a series the forecast frames "ff" ("date", "unixDate", "offset", "isPast"), of which those whose
// "isPast" is "true" are dropped. Names compare exactly. Attribute texts are trimmed, an empty one is absent;
// integers read like a C integer prefix (0 when absent or not a number). Nodes of the wrong kind are skipped.
// A later layer of a name replaces an earlier one. Not thread-safe; one parser per document.
class QOVTileSeriesParser {
public:
    // false (and nothing read) when the root is not a "tiles" element.
    bool parse(const platform::Dictionary& root);

    const std::string& timeStamp() const { return m_timeStamp; }
    const std::string& localZone() const { return m_localZone; }
    std::int64_t offset() const { return m_offset; }
    const std::map<std::string, std::shared_ptr<QOVLayer>>& layers() const { return m_layers; }

    // The trimmed text of a node's attribute; empty when absent.
    static std::string stringFromDictionary(const platform::Dictionary& node, std::string_view key);
    static std::int64_t intFromDictionary(const platform::Dictionary& node, std::string_view key);

private:
    std::string m_timeStamp;
    std::string m_localZone;
    std::int64_t m_offset = 0;
    std::map<std::string, std::shared_ptr<QOVLayer>> m_layers;
};

}  // namespace qov
