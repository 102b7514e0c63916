#include "app/legacymaps/overlay/MapOverlayType.h"

#include <gtest/gtest.h>

#include "tests/support/TestBundle.h"

namespace {

using qov::MapOverlayType;

TEST(MapOverlayTypeTest, SelectableOverlaysSitAtTheirNumbers) {
    const char* keys[] = {"radar", "sat", "satrad", "temp", "feelslike", "uv", "rain", "snow"};
    ASSERT_EQ(MapOverlayType::numberOfOverlays(), 8U);
    for (int position = 0; position < 8; ++position) {
        const auto overlay = MapOverlayType::overlayForNumber(position);
        EXPECT_EQ(overlay->number(), position);
        EXPECT_EQ(overlay->keySpecifier(), keys[position]);
        EXPECT_EQ(MapOverlayType::overlayNamed(std::string(keys[position])), overlay);
    }
}

TEST(MapOverlayTypeTest, LookupsOutsideTheCatalogue) {
    struct Case {
        std::optional<std::string> name;
        MapOverlayType::Ptr expected;
    };
    const Case cases[] = {
        {std::nullopt, MapOverlayType::noneOverlay()},
        {"none", MapOverlayType::noneOverlay()},
        {"eurorad", MapOverlayType::euroRadarOverlay()},
        {"hail", MapOverlayType::radarOverlay()},
        {"", MapOverlayType::radarOverlay()},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(MapOverlayType::overlayNamed(each.name), each.expected) << each.name.value_or("nil");
    }
    for (long long number : {-1LL, 8LL, 9LL, 1LL << 40}) {
        EXPECT_EQ(MapOverlayType::overlayForNumber(number), MapOverlayType::radarOverlay()) << number;
    }
    EXPECT_NE(MapOverlayType::noneOverlay(), MapOverlayType::radarOverlay());
}

TEST(MapOverlayTypeTest, EuropeanRadarReplacesOnlyRadar) {
    const auto radar = MapOverlayType::radarOverlay();
    const auto clouds = MapOverlayType::cloudOverlay();
    EXPECT_EQ(radar->translatedOverlayForEuroRad(true), MapOverlayType::euroRadarOverlay());
    EXPECT_EQ(radar->translatedOverlayForEuroRad(false), radar);
    EXPECT_EQ(clouds->translatedOverlayForEuroRad(true), clouds);
    EXPECT_EQ(radar->mapSeriesIDForEuroRad(true), "eurorad");
    EXPECT_EQ(radar->mapSeriesIDForEuroRad(false), "radar");
    EXPECT_EQ(clouds->mapSeriesIDForEuroRad(true), "sat");
}

TEST(MapOverlayTypeTest, NamesComeFromTheBundle) {
    qovtest::TestBundle bundle;
    EXPECT_EQ(MapOverlayType::radarAndCloudOverlay()->name(), "Radar & Clouds");
    EXPECT_EQ(MapOverlayType::feelsLikeOverlay()->legendName(), "Map - Feels Like Legend.png");
}

}  // namespace
