#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qov {

// One weather overlay of the older tile map, and the fixed catalogue of them.
//
// The catalogue holds the eight selectable overlays at positions 0-7, each at the position of its number:
// radar, clouds ("sat"), radar and clouds ("satrad"), temperature, feels-like, UV index, 24-hour rain and
// 24-hour snow. Beside it stand the "none" entry (no overlay) and the European radar entry ("eurorad").
// A stored overlay number therefore always names the same overlay, and a number outside the catalogue reads as
// radar. Radar swaps with the European radar by the rule the maps screen uses too (RegionalLayer). Entries are owned by
// shared pointers (made by mapOverlayTypeWithNumber) and immutable; the catalogue's live for the process, compare them
// by identity. Any thread.
class MapOverlayType : public std::enable_shared_from_this<MapOverlayType> {
public:
    using Ptr = std::shared_ptr<const MapOverlayType>;

    static Ptr mapOverlayTypeWithNumber(int number, std::string keySpecifier, std::string imageName,
                                        std::string iconName, std::string legendName, bool futureProvided,
                                        bool animates);

    // The catalogue entry at position number; radar for a number outside the catalogue.
    static Ptr overlayForNumber(long long number);
    // The selectable overlays: 8.
    static std::size_t numberOfOverlays();
    static Ptr radarOverlay();
    static Ptr cloudOverlay();
    static Ptr radarAndCloudOverlay();
    static Ptr temperatureOverlay();
    static Ptr feelsLikeOverlay();
    static Ptr uvIndexOverlay();
    static Ptr rain24HourOverlay();
    static Ptr snow24HourOverlay();
    static Ptr noneOverlay();
    static Ptr euroRadarOverlay();
    // nullopt (nil) or "none": the none entry; "eurorad": European radar; otherwise the catalogue entry with that
    // key, and radar when none has it.
    static Ptr overlayNamed(const std::optional<std::string>& keySpecifier);

    int number() const { return m_number; }
    const std::string& keySpecifier() const { return m_keySpecifier; }
    const std::string& imageName() const { return m_imageName; }
    const std::string& iconName() const { return m_iconName; }
    const std::string& legendName() const { return m_legendName; }
    bool animates() const { return m_animates; }
    bool isFutureProvided() const { return m_futureProvided; }
    // "map.overlay." followed by the key specifier.
    std::string key() const;
    // The localised text for key() in the main bundle.
    std::string name() const;

    // The European radar entry for radar when outside the US (isEuroRad), else this entry.
    Ptr translatedOverlayForEuroRad(bool isEuroRad) const;
    // "eurorad" for radar with isEuroRad, else the key specifier.
    std::string mapSeriesIDForEuroRad(bool isEuroRad) const;

    MapOverlayType(int number, std::string keySpecifier, std::string imageName, std::string iconName,
                   std::string legendName, bool futureProvided, bool animates);

private:
    int m_number;
    std::string m_keySpecifier;
    std::string m_imageName;
    std::string m_iconName;
    std::string m_legendName;
    bool m_animates;
    bool m_futureProvided;
};

}  // namespace qov
