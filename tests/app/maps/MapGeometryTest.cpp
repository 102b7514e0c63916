// One projection across the map's three users: the map cache's tile grid, the older map's tile layer and the
// zoom-level category give the platform map's quadkeys, Mercator and latitude limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/core/categories/MKMapViewCorbelt.h"
#include "app/legacymaps/tiles/QOVTileLayerView.h"
#include "app/maps/cache/QOVMapCache.h"
#include "platform/map/MapProjection.h"
#include "platform/map/MapTileGrid.h"

namespace qov {
namespace {

using platform::gfx::Point;
using platform::map::kMapWorldWidth;
using platform::map::kMaxLatitude;

TEST(MapGeometryTest, EveryGridNamesItsTilesWithTheSameQuadKeys) {
    struct Case {
        std::uint32_t x;
        std::uint32_t y;
        int level;
        std::string quadKey;
    };
    const Case cases[] = {
        {3, 5, 3, "213"},
        {0, 0, 0, ""},
        {1, 1, -4, ""},
        {1, 0, 1, "1"},
        {0, 1, 1, "2"},
        {1, 1, 1, "3"},
        {1023, 0, 10, std::string(10, '1')},
        {0, 1023, 10, std::string(10, '2')},
        {70000, 123456, 17, "32221002103110000"},
        {0x7FFFFFFF, 0, 40, "0" + std::string(31, '1')},  // levels above 32 count as 32
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.x << "," << test.y << " at " << test.level);
        EXPECT_EQ(platform::map::MapTileGrid::quadKey(test.x, test.y, test.level), test.quadKey);
        EXPECT_EQ(QOVMapCache::quadKeyForX(test.x, test.y, test.level), test.quadKey);
        EXPECT_EQ(QOVTileLayerView::quadKeyForX(static_cast<int>(test.x), static_cast<int>(test.y), test.level),
                  test.quadKey);
    }
}

// Map points are the pixels of level 20 of 256-pixel tiles; the category's pixel space is level 21, carried as
// rounded floats (a float has 32 pixels of resolution at the far edge of that plane).
TEST(MapGeometryTest, ThePixelMathAndTheLatitudeLimitAgree) {
    struct Case {
        double latitude;
        double longitude;
    };
    const Case cases[] = {{0.0, 0.0},    {33.749, -84.388},   {-33.87, 151.21}, {64.1, -21.9},
                          {84.9, 179.9}, {kMaxLatitude, 0.0}, {89.0, -179.9},   {-1000.0, 10.0}};
    constexpr double kFloatPixels = 64.0;
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.latitude << "," << test.longitude);
        const double latitude = std::clamp(test.latitude, -kMaxLatitude, kMaxLatitude);
        const auto mapPoint = platform::map::mapPointForCoordinate({test.latitude, test.longitude});
        const Point tilePixel = QOVTileLayerView::pixelForPoint(Point{test.longitude, test.latitude}, 20, 256);
        EXPECT_NEAR(tilePixel.x, mapPoint.x, 1e-6);
        EXPECT_NEAR(tilePixel.y, mapPoint.y, 1e-2);  // the map keeps the limit's last hundredth inside its world
        EXPECT_NEAR(MKMapViewCorbelt::longitudeToPixelSpaceX(test.longitude), 2.0 * mapPoint.x, kFloatPixels);
        EXPECT_NEAR(MKMapViewCorbelt::latitudeToPixelSpaceY(test.latitude), 2.0 * mapPoint.y, kFloatPixels);

        // Back to the same (clamped) coordinate from each plane.
        const auto coordinate = platform::map::coordinateForMapPoint(mapPoint);
        const Point point = QOVTileLayerView::pointForPixel(tilePixel, 20, 256);
        EXPECT_NEAR(coordinate.latitude, latitude, 1e-9);
        EXPECT_NEAR(point.y, latitude, 1e-6);  // the far edge pixel is one short of the plane
        EXPECT_NEAR(point.x, test.longitude, 1e-5);
        EXPECT_NEAR(MKMapViewCorbelt::pixelSpaceYToLatitude(MKMapViewCorbelt::latitudeToPixelSpaceY(test.latitude)),
                    latitude, 1e-4);
    }
    // The limit is the latitude of the square world's edge, for every plane.
    EXPECT_NEAR(platform::map::latitudeForMercatorY(0.0, kMapWorldWidth), kMaxLatitude, 1e-8);
    EXPECT_NEAR(platform::map::mercatorY(90.0, 256.0), 0.0, 1e-8);
    EXPECT_EQ(QOVTileLayerView::pixelForPoint(Point{0, 90}, 8, 256),
              QOVTileLayerView::pixelForPoint(Point{0, kMaxLatitude}, 8, 256));
    EXPECT_EQ(MKMapViewCorbelt::latitudeToPixelSpaceY(-90.0), MKMapViewCorbelt::latitudeToPixelSpaceY(-kMaxLatitude));
}

}  // namespace
}  // namespace qov
