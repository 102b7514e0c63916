#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "app/core/categories/MKMapViewCorbelt.h"
#include "app/core/categories/MKMapViewQOV.h"
#include "tests/support/LogCapture.h"

namespace qov {
namespace {

using platform::geo::Coordinate;
using platform::map::MapView;

std::shared_ptr<MapView> mapView() { return std::make_shared<MapView>(platform::ui::Rect{0, 0, 320, 367}); }

TEST(MKMapViewCorbeltTest, PixelSpaceConversions) {
    EXPECT_EQ(MKMapViewCorbelt::longitudeToPixelSpaceX(0.0), 268435456.0f);
    EXPECT_EQ(MKMapViewCorbelt::latitudeToPixelSpaceY(0.0), 268435456.0f);
    EXPECT_EQ(MKMapViewCorbelt::pixelSpaceXToLongitude(268435456.0f), 0.0);
    EXPECT_EQ(MKMapViewCorbelt::longitudeToPixelSpaceX(-180.0), 0.0f);
    EXPECT_EQ(MKMapViewCorbelt::longitudeToPixelSpaceX(1e300), std::numeric_limits<float>::max());
    EXPECT_NEAR(MKMapViewCorbelt::pixelSpaceXToLongitude(MKMapViewCorbelt::longitudeToPixelSpaceX(-84.388)), -84.388,
                1e-5);
    EXPECT_NEAR(MKMapViewCorbelt::pixelSpaceYToLatitude(MKMapViewCorbelt::latitudeToPixelSpaceY(33.749)), 33.749, 1e-3);
    // The poles are clamped to the projection's edge instead of dividing by zero.
    for (const double latitude : {90.0, 1000.0, -90.0}) {
        const float y = MKMapViewCorbelt::latitudeToPixelSpaceY(latitude);
        EXPECT_TRUE(std::isfinite(y)) << latitude;
        EXPECT_NEAR(std::abs(MKMapViewCorbelt::pixelSpaceYToLatitude(y)), 85.05, 0.01) << latitude;
    }
}

TEST(MKMapViewCorbeltTest, SpansHalveWithEachLevelAndLevelsAreClamped) {
    const auto map = mapView();
    const Coordinate atlanta{33.749, -84.388};
    for (unsigned level = 2; level <= 17; ++level) {
        const double wider = MKMapViewCorbelt::coordinateSpanWithMapView(*map, atlanta, level - 1).longitudeDelta;
        const double closer = MKMapViewCorbelt::coordinateSpanWithMapView(*map, atlanta, level).longitudeDelta;
        EXPECT_NEAR(closer, wider / 2.0, 1e-4) << level;
    }
    const auto at = [&](unsigned level) { return MKMapViewCorbelt::coordinateSpanWithMapView(*map, atlanta, level); };
    EXPECT_EQ(at(18), at(17));
    EXPECT_EQ(at(400), at(17));
    platform::Log::flush();
    {
        const qovtest::LogCapture log;
        EXPECT_EQ(at(0), at(1));  // clamped, and logged as invalid
        ASSERT_EQ(log.lines().size(), 1u);
        EXPECT_TRUE(log.contains("Zoom Level is invalid"));
    }
    // Level 1 on a wide view stays within the world.
    const auto wide = std::make_shared<MapView>(platform::ui::Rect{0, 0, 2000, 2000});
    const auto world = MKMapViewCorbelt::coordinateSpanWithMapView(*wide, {80.0, 0.0}, 1);
    EXPECT_LE(world.longitudeDelta, 360.0);
    EXPECT_LE(world.latitudeDelta, 2 * 85.06);
}

// The current level is measured on a scale one above the one the span is made on, so it reads one more than
// the level the map was centred at.
TEST(MKMapViewCorbeltTest, CentringAndReadingTheLevelBack) {
    const auto map = mapView();
    for (unsigned level = 3; level <= 17; ++level) {
        MKMapViewCorbelt::setCenterCoordinate(*map, {33.749, -84.388}, level, level % 2 == 0);
        EXPECT_EQ(MKMapViewCorbelt::currentZoomLevel(*map), level + 1);
        EXPECT_NEAR(map->centerCoordinate().latitude, 33.749, 1e-6);
        EXPECT_EQ(map->lastChangeAnimated(), level % 2 == 0);
    }
    MKMapViewCorbelt::setCenterCoordinate(*map, {33.749, -84.388}, 19, false);
    EXPECT_EQ(MKMapViewCorbelt::currentZoomLevel(*map), 18u);
    EXPECT_EQ(MKMapViewCorbelt::currentZoomLevel(MapView()), 0u);  // no width
}

TEST(MKMapViewQOVTest, ZoomMeasuresStayFinite) {
    const auto map = mapView();
    map->setRegion({{0.0, 0.0}, {180.0, 360.0}}, false);
    EXPECT_GT(MKMapViewQOV::zoomScale(*map), 0.0F);
    EXPECT_TRUE(std::isfinite(MKMapViewQOV::actualZoomLevel(*map)));
    MKMapViewCorbelt::setCenterCoordinate(*map, {33.749, -84.388}, 10, false);
    EXPECT_NEAR(MKMapViewQOV::actualZoomLevel(*map), 10.0, 1.0);

    const MapView unsized;
    EXPECT_EQ(MKMapViewQOV::zoomScale(unsized), 0.0f);
    EXPECT_EQ(MKMapViewQOV::actualZoomLevel(unsized), 0.0f);
}

}  // namespace
}  // namespace qov
