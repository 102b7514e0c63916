#include "app/legacymaps/preferences/UserPreferences.h"

#include <cmath>

#include "platform/base/ProcessInstance.h"

namespace qov {

namespace {

bool isNumber(const platform::Value& value) { return value.ifInteger() || value.ifDouble(); }

}  // namespace

UserPreferences& UserPreferences::sharedInstance() {
    static platform::NeverDestroyed<UserPreferences> instance(platform::UserDefaults::standard());
    return *instance;
}

UserPreferences::UserPreferences(std::shared_ptr<platform::UserDefaults> defaults) : m_defaults(std::move(defaults)) {
    loadPreferences();
}

std::int64_t UserPreferences::preferredWeatherOverlay() const {
    std::lock_guard lock(m_mutex);
    return m_preferredWeatherOverlay;
}

void UserPreferences::setPreferredWeatherOverlay(std::int64_t overlay) {
    std::lock_guard lock(m_mutex);
    if (overlay != m_preferredWeatherOverlay) {
        m_preferredWeatherOverlay = overlay;
        savePreferences();
    }
}

float UserPreferences::overlayTransparency() const {
    std::lock_guard lock(m_mutex);
    return m_overlayTransparency;
}

void UserPreferences::setOverlayTransparency(float transparency) {
    std::lock_guard lock(m_mutex);
    if (transparency != m_overlayTransparency) {
        m_overlayTransparency = transparency;
        savePreferences();
    }
}

void UserPreferences::loadPreferences() {
    std::lock_guard lock(m_mutex);
    m_loading = true;
    setPreferredWeatherOverlay(0);
    setOverlayTransparency(kDefaultOverlayTransparency);
    const platform::Value overlay = m_defaults->objectForKey(kPreferredOverlayKey);
    if (isNumber(overlay)) {
        setPreferredWeatherOverlay(overlay.integerValue());
    }
    const platform::Value transparency = m_defaults->objectForKey(kOverlayTransparencyKey);
    if (isNumber(transparency) && std::isfinite(transparency.doubleValue())) {
        setOverlayTransparency(static_cast<float>(transparency.doubleValue()));
    }
    m_loading = false;
}

void UserPreferences::savePreferences() {
    std::lock_guard lock(m_mutex);
    if (m_loading) {
        return;
    }
    m_defaults->setInteger(m_preferredWeatherOverlay, kPreferredOverlayKey);
    m_defaults->setDouble(m_overlayTransparency, kOverlayTransparencyKey);
}

}  // namespace qov
