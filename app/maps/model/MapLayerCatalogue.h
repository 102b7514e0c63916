#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qov {

// What the maps screens know of each tile server layer, one row per layer type: the options screen's row (its
// English display name, which is also the localisation key, its place and its icon), the maps screen's legend,
// whether the layer has a loop to play and how its past loop picks frames, and the layer it swaps with by region
// (RegionalLayer). Adding a layer is adding a row. Constant data; any thread (displayNames() reads the main
// bundle's strings).
struct MapLayerKind {
    std::string_view type;
    // Empty for a layer the options screen does not offer.
    std::string_view displayKey;
    // The options screen's row, from 0; MapLayerCatalogue::kNotOffered without a display key.
    int optionsRow;
    std::string_view icon;
    std::string_view legend;
    bool loops;
    // The past loop shows every second series from the newest (QOVMapLayer::kRadarFrames at most) instead of all
    // but the oldest.
    bool everySecondFrame;
    // Empty for a layer without a regional counterpart.
    std::string_view regionalSwap;
};

class MapLayerCatalogue {
public:
    static constexpr int kNotOffered = -1;
    // The layer a maps screen shows before the user picks one.
    static constexpr std::string_view kDefaultLayer = "radar";

    static std::span<const MapLayerKind> all();
    // The row of the type; nullptr for a type the catalogue does not know.
    static const MapLayerKind* find(std::string_view type);
    // The offered layer types in the options screen's row order.
    static std::vector<std::string> optionsOrder();
    // Offered layer type → its display name localised by the main bundle.
    static std::map<std::string, std::string> displayNames();
};

}  // namespace qov
