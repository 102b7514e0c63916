#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qov {

// The name of a tile's file in the map cache folder: "LAYER_DATE_QUADKEY.TileCache", where DATE is the series
// date, or "MASTER+FRAME" for a frame of a forecast run (so a newer run never reads an older run's tile).
// Names are read from the right, since layer types may hold "_" themselves.
struct MapTileFileName {
    static constexpr std::string_view kExtension = ".TileCache";

    std::string layer;
    std::string seriesDate;
    std::optional<std::string> masterSeriesDate;
    std::string quadKey;

    // nullopt when a part is not a usable name (MapTileNames).
    std::optional<std::string> text() const;
    static std::optional<MapTileFileName> parse(std::string_view fileName);
};

}  // namespace qov
