#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qov {

// What the tile server may put into tile file names and URL segments. Layer types, series dates and quadkeys
// from the series list are checked before they become part of a path, so no answer can name a file outside
// the cache folder or change a URL's shape.
class MapTileNames {
public:
    // One or more of A-Z, a-z, 0-9 and "_".
    static bool isLayerType(std::string_view text);
    // One or more of A-Z, a-z, 0-9, "." and "-", other than "." and "..".
    static bool isSeriesDate(std::string_view text);
    // Digits 0 to 3 only (the empty quadkey of level 0 included).
    static bool isQuadKey(std::string_view text);
    // All the names of one tile (a forecast frame's run included) are usable.
    static bool isTile(std::string_view layer, std::string_view seriesDate,
                       const std::optional<std::string>& masterSeriesDate, std::string_view quadKey);
};

}  // namespace qov
