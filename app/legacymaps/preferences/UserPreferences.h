#pragma once

#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/storage/UserDefaults.h"

namespace qov {

// The older tile map's two choices, kept in the user defaults: the preferred overlay's number
// ("preferredOverlay", 0 when absent or not a number) and the overlay transparency ("overlayTransparency", 0.5
// when absent or not a finite number). Creation loads them; a setter saves both only when its value changed, so a fresh
// installation writes nothing until a choice is made. Any thread (one re-entrant lock).
class UserPreferences {
public:
    static constexpr const char* kPreferredOverlayKey = "preferredOverlay";
    static constexpr const char* kOverlayTransparencyKey = "overlayTransparency";
    static constexpr float kDefaultOverlayTransparency = 0.5f;

    // Over UserDefaults::standard() as it was when first asked for.
    static UserPreferences& sharedInstance();

    explicit UserPreferences(std::shared_ptr<platform::UserDefaults> defaults);

    std::int64_t preferredWeatherOverlay() const;
    void setPreferredWeatherOverlay(std::int64_t overlay);
    float overlayTransparency() const;
    void setOverlayTransparency(float transparency);

    void loadPreferences();
    void savePreferences();

    // Points of interest are not kept by this map.
    std::int64_t retrieveSelectedPointOfInterest() const { return 0; }
    void updateSelectedPointOfInterest(std::int64_t, bool) {}

private:
    std::shared_ptr<platform::UserDefaults> m_defaults;
    mutable std::recursive_mutex m_mutex;
    std::int64_t m_preferredWeatherOverlay = 0;
    float m_overlayTransparency = kDefaultOverlayTransparency;
    bool m_loading = false;
};

}  // namespace qov
