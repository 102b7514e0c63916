#include "app/legacymaps/preferences/UserPreferences.h"

#include <limits>

#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"

namespace {

using qov::UserPreferences;

class UserPreferencesTest : public qovtest::ManualClockFixture {
protected:
    std::shared_ptr<platform::UserDefaults> defaults() const {
        return std::make_shared<platform::UserDefaults>(m_home.path() / "defaults.plist");
    }

    qovtest::TempHome m_home;
};

TEST_F(UserPreferencesTest, FreshInstallationReadsDefaultsAndWritesNothingUntilAChange) {
    const auto store = defaults();
    UserPreferences preferences(store);
    EXPECT_EQ(preferences.preferredWeatherOverlay(), 0);
    EXPECT_EQ(preferences.overlayTransparency(), 0.5f);
    preferences.setOverlayTransparency(0.5f);
    preferences.setPreferredWeatherOverlay(0);
    EXPECT_TRUE(store->objectForKey(UserPreferences::kPreferredOverlayKey).isNull());
    EXPECT_TRUE(store->objectForKey(UserPreferences::kOverlayTransparencyKey).isNull());

    preferences.setOverlayTransparency(0.25f);
    ASSERT_TRUE(store->synchronize());
    UserPreferences reloaded(defaults());
    EXPECT_EQ(reloaded.overlayTransparency(), 0.25f);
    EXPECT_EQ(reloaded.preferredWeatherOverlay(), 0);
}

TEST_F(UserPreferencesTest, LoadsStoredValuesAndIgnoresUnusableOnes) {
    struct Case {
        platform::Value overlay;
        platform::Value transparency;
        std::int64_t expectedOverlay;
        float expectedTransparency;
    };
    const Case cases[] = {
        {7, 0.8, 7, 0.8f},
        {42, platform::Value(), 42, 0.5f},
        {"radar", "clear", 0, 0.5f},
        {platform::Value(), std::numeric_limits<double>::quiet_NaN(), 0, 0.5f},
        {platform::Value(), std::numeric_limits<double>::infinity(), 0, 0.5f},
    };
    for (const Case& each : cases) {
        const auto store = defaults();
        store->setObject(each.overlay, UserPreferences::kPreferredOverlayKey);
        store->setObject(each.transparency, UserPreferences::kOverlayTransparencyKey);
        UserPreferences preferences(store);
        EXPECT_EQ(preferences.preferredWeatherOverlay(), each.expectedOverlay);
        EXPECT_EQ(preferences.overlayTransparency(), each.expectedTransparency);
    }
}

}  // namespace
