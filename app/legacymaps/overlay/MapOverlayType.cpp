#include "app/legacymaps/overlay/MapOverlayType.h"

#include <array>

#include "app/core/model/RegionalLayer.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/Bundle.h"

namespace qov {

namespace {

constexpr std::size_t kSelectable = 8;

MapOverlayType::Ptr entry(int number, const char* keySpecifier, const char* artwork, bool futureProvided,
                          bool animates) {
    const std::string name(artwork);
    return MapOverlayType::mapOverlayTypeWithNumber(number, keySpecifier, "Map Selection Maps - " + name + ".png",
                                                    "Map Selection Bar Icons - " + name + ".png",
                                                    "Map - " + name + " Legend.png", futureProvided, animates);
}

struct Catalogue {
    std::array<MapOverlayType::Ptr, kSelectable> selectable{
        entry(0, "radar", "Radar", true, true),
        entry(1, "sat", "Clouds", false, true),
        entry(2, "satrad", "RadarClouds", true, true),
        entry(3, "temp", "Temperature", false, false),
        entry(4, "feelslike", "Feels Like", false, false),
        entry(5, "uv", "UV Index", false, false),
        entry(6, "rain", "24hr Rain", false, false),
        entry(7, "snow", "24hr Snow", false, false),
    };
    MapOverlayType::Ptr none = MapOverlayType::mapOverlayTypeWithNumber(0, "none", "", "", "", false, false);
    MapOverlayType::Ptr euroRadar = entry(0, RegionalLayer::kRegional.data(), "Radar", true, true);
};

const Catalogue& catalogue() {
    static platform::NeverDestroyed<const Catalogue> instance;
    return *instance;
}

}  // namespace

MapOverlayType::MapOverlayType(int number, std::string keySpecifier, std::string imageName, std::string iconName,
                               std::string legendName, bool futureProvided, bool animates)
    : m_number(number),
      m_keySpecifier(std::move(keySpecifier)),
      m_imageName(std::move(imageName)),
      m_iconName(std::move(iconName)),
      m_legendName(std::move(legendName)),
      m_animates(animates),
      m_futureProvided(futureProvided) {}

MapOverlayType::Ptr MapOverlayType::mapOverlayTypeWithNumber(int number, std::string keySpecifier,
                                                             std::string imageName, std::string iconName,
                                                             std::string legendName, bool futureProvided,
                                                             bool animates) {
    return std::make_shared<const MapOverlayType>(number, std::move(keySpecifier), std::move(imageName),
                                                  std::move(iconName), std::move(legendName), futureProvided, animates);
}

MapOverlayType::Ptr MapOverlayType::overlayForNumber(long long number) {
    if (number < 0 || number >= static_cast<long long>(kSelectable)) {
        return radarOverlay();
    }
    return catalogue().selectable[static_cast<std::size_t>(number)];
}

std::size_t MapOverlayType::numberOfOverlays() { return kSelectable; }
MapOverlayType::Ptr MapOverlayType::radarOverlay() { return catalogue().selectable[0]; }
MapOverlayType::Ptr MapOverlayType::cloudOverlay() { return catalogue().selectable[1]; }
MapOverlayType::Ptr MapOverlayType::radarAndCloudOverlay() { return catalogue().selectable[2]; }
MapOverlayType::Ptr MapOverlayType::temperatureOverlay() { return catalogue().selectable[3]; }
MapOverlayType::Ptr MapOverlayType::feelsLikeOverlay() { return catalogue().selectable[4]; }
MapOverlayType::Ptr MapOverlayType::uvIndexOverlay() { return catalogue().selectable[5]; }
MapOverlayType::Ptr MapOverlayType::rain24HourOverlay() { return catalogue().selectable[6]; }
MapOverlayType::Ptr MapOverlayType::snow24HourOverlay() { return catalogue().selectable[7]; }
MapOverlayType::Ptr MapOverlayType::noneOverlay() { return catalogue().none; }
MapOverlayType::Ptr MapOverlayType::euroRadarOverlay() { return catalogue().euroRadar; }

MapOverlayType::Ptr MapOverlayType::overlayNamed(const std::optional<std::string>& keySpecifier) {
    if (!keySpecifier || *keySpecifier == "none") {
        return noneOverlay();
    }
    if (*keySpecifier == RegionalLayer::kRegional) {
        return euroRadarOverlay();
    }
    for (const auto& overlay : catalogue().selectable) {
        if (overlay->keySpecifier() == *keySpecifier) {
            return overlay;
        }
    }
    return radarOverlay();
}

std::string MapOverlayType::key() const { return "map.overlay." + m_keySpecifier; }

std::string MapOverlayType::name() const { return platform::Bundle::main().localizedString(key()); }

MapOverlayType::Ptr MapOverlayType::translatedOverlayForEuroRad(bool isEuroRad) const {
    if (!isEuroRad || this != radarOverlay().get()) {
        return shared_from_this();
    }
    return overlayNamed(std::string(RegionalLayer::forRegion(m_keySpecifier, true)));
}

std::string MapOverlayType::mapSeriesIDForEuroRad(bool isEuroRad) const {
    return isEuroRad ? std::string(RegionalLayer::forRegion(m_keySpecifier, true)) : m_keySpecifier;
}

}  // namespace qov
