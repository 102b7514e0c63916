#include "app/maps/model/MapLayerCatalogue.h"

#include <algorithm>
#include <array>

#include "app/core/model/RegionalLayer.h"
#include "platform/storage/Bundle.h"

namespace qov {

namespace {

constexpr int kNo = MapLayerCatalogue::kNotOffered;
constexpr std::string_view kRadarLegend = "Map Legend - Radar US.png";
constexpr std::string_view kRainLegend = "Map Legend - 24 Hour Rain.png";
constexpr std::string_view kSnowLegend = "Map Legend - 24 Hour Snow.png";

// type, display key, options row, icon, legend, loops, every second frame, regional swap
// One row a line: scripts/map-layers reads the offered layers from this table.
constexpr std::array kLayers{
    MapLayerKind{"radar", "Radar", 0, "radar.png", kRadarLegend, true, true, RegionalLayer::kRegional},
    MapLayerKind{"eurorad", "", kNo, "radar.png", kRadarLegend, true, false, RegionalLayer::kHome},
    MapLayerKind{"future_radar_ff", "", kNo, "", kRadarLegend, true, false, ""},
    MapLayerKind{"sat", "Clouds", 1, "clouds.png", "Map Legend - Clouds.png", true, false, ""},
    MapLayerKind{"satrad", "Radar / Clouds", 2, "clouds_radar.png", kRadarLegend, true, false, ""},
    MapLayerKind{"future_satrad_ff", "", kNo, "", kRadarLegend, true, false, ""},
    MapLayerKind{"temp", "Temperature", 3, "temp.png", "Map Legend - Temperature.png", false, false, ""},
    MapLayerKind{"feelslike", "Feels Like", 4, "feels.png", "Map Legend - Feels Like.png", false, false, ""},
    MapLayerKind{"rain", "24-Hour Rainfall", 5, "rainfall.png", kRainLegend, false, false, ""},
    MapLayerKind{"future_rain_ff", "", kNo, "", kRainLegend, false, false, ""},
    MapLayerKind{"snow", "24-Hour Snowfall", 6, "snowfall.png", kSnowLegend, false, false, ""},
    MapLayerKind{"future_snow_ff", "", kNo, "", kSnowLegend, false, false, ""},
    MapLayerKind{"uv", "UV Index", 7, "uv.png", "Map Legend - UV Index.png", false, false, ""},
};

}  // namespace

std::span<const MapLayerKind> MapLayerCatalogue::all() { return kLayers; }

const MapLayerKind* MapLayerCatalogue::find(std::string_view type) {
    const auto found =
        std::find_if(kLayers.begin(), kLayers.end(), [&](const auto& kind) { return kind.type == type; });
    return found == kLayers.end() ? nullptr : &*found;
}

std::vector<std::string> MapLayerCatalogue::optionsOrder() {
    std::vector<const MapLayerKind*> offered;
    for (const auto& kind : kLayers) {
        if (kind.optionsRow != kNotOffered) {
            offered.push_back(&kind);
        }
    }
    std::sort(offered.begin(), offered.end(),
              [](const auto* a, const auto* b) { return a->optionsRow < b->optionsRow; });
    std::vector<std::string> types;
    for (const auto* kind : offered) {
        types.emplace_back(kind->type);
    }
    return types;
}

std::map<std::string, std::string> MapLayerCatalogue::displayNames() {
    std::map<std::string, std::string> names;
    for (const auto& kind : kLayers) {
        if (!kind.displayKey.empty()) {
            names.emplace(kind.type, platform::Bundle::main().localizedString(std::string(kind.displayKey), ""));
        }
    }
    return names;
}

}  // namespace qov
