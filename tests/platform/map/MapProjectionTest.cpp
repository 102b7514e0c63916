#include "platform/map/MapProjection.h"

#include <gtest/gtest.h>

#include <limits>

namespace platform::map {
namespace {

constexpr double W = kMapWorldWidth;

TEST(MapProjectionTest, CoordinatesMapToTheWorldAndClampAtItsEdges) {
    struct Case {
        Coordinate coordinate;
        MapPoint point;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {{0.0, 0.0}, {W / 2, W / 2}},        {{0.0, -180.0}, {0.0, W / 2}},
        {{0.0, 180.0}, {0.0, W / 2}},                                         // the same meridian as -180
        {{0.0, 90.0}, {W * 0.75, W / 2}},    {{0.0, 270.0}, {W / 4, W / 2}},  // wraps to -90
        {{kMaxLatitude, 0.0}, {W / 2, 0.0}}, {{90.0, 0.0}, {W / 2, 0.0}},     // clamped to the northern edge
        {{-90.0, 0.0}, {W / 2, W}},          {{nan, 10.0}, {W / 2, W / 2}},
    };
    for (const Case& c : cases) {
        const MapPoint point = mapPointForCoordinate(c.coordinate);
        EXPECT_NEAR(point.x, c.point.x, 1e-6) << c.coordinate.latitude << "," << c.coordinate.longitude;
        EXPECT_NEAR(point.y, c.point.y, 1e-3) << c.coordinate.latitude << "," << c.coordinate.longitude;
    }
}

TEST(MapProjectionTest, PointsMapBackToCoordinates) {
    for (const Coordinate coordinate :
         {Coordinate{33.749, -84.388}, Coordinate{-33.87, 151.21}, Coordinate{64.1, -21.9}, Coordinate{-84.9, 179.9}}) {
        const Coordinate back = coordinateForMapPoint(mapPointForCoordinate(coordinate));
        EXPECT_NEAR(back.latitude, coordinate.latitude, 1e-9);
        EXPECT_NEAR(back.longitude, coordinate.longitude, 1e-9);
    }
    // Beyond the world: the limit latitude, and x wraps to the other side of the antimeridian.
    const Coordinate outside = coordinateForMapPoint(MapPoint{W + W / 4, -5.0});
    EXPECT_NEAR(outside.latitude, kMaxLatitude, 1e-6);
    EXPECT_NEAR(outside.longitude, -90.0, 1e-9);
}

TEST(MapProjectionTest, RegionsRoundTripThroughMapRects) {
    const CoordinateRegion regions[] = {
        {{33.7, -84.4}, {10.0, 12.0}},
        {{60.0, 10.0}, {20.0, 40.0}},
        {{-40.0, 175.0}, {5.0, 30.0}},  // crosses the antimeridian
        {{0.0, 0.0}, {0.001, 0.001}},
    };
    for (const CoordinateRegion& region : regions) {
        const MapRect rect = mapRectForRegion(region);
        EXPECT_NEAR(mapPointForCoordinate(region.center).y, rect.midY(), 1e-3);
        const CoordinateRegion back = regionForMapRect(rect);
        EXPECT_NEAR(back.center.latitude, region.center.latitude, 1e-7);
        EXPECT_NEAR(back.center.longitude, region.center.longitude, 1e-7);
        EXPECT_NEAR(back.span.latitudeDelta, region.span.latitudeDelta, 1e-7);
        EXPECT_NEAR(back.span.longitudeDelta, region.span.longitudeDelta, 1e-9);
    }
}

TEST(MapProjectionTest, RegionsPastTheWorldAreClamped) {
    const MapRect whole = mapRectForRegion({{0.0, 0.0}, {400.0, 720.0}});
    EXPECT_NEAR(whole.minX(), 0.0, 1e-6);
    EXPECT_NEAR(whole.width(), W, 1e-6);
    EXPECT_NEAR(whole.minY(), 0.0, 1e-3);
    EXPECT_NEAR(whole.height(), W, 1e-3);
    const MapRect polar = mapRectForRegion({{80.0, 0.0}, {30.0, 10.0}});
    EXPECT_GE(polar.minY(), 0.0);
    EXPECT_GT(polar.height(), 0.0);
    const CoordinateSpan nonsense = clampSpan({-1.0, std::numeric_limits<double>::infinity()});
    EXPECT_EQ(nonsense, (CoordinateSpan{0.0, 360.0}));
}

TEST(MapRectTest, AntimeridianRectsMeetWhatLiesWestOfTheEdge) {
    const MapRect crossing = mapRectForRegion({{0.0, 180.0}, {10.0, 20.0}});
    EXPECT_TRUE(crossing.spansAntimeridian());
    EXPECT_NEAR(crossing.remainder().width(), crossing.width() / 2, 1e-6);
    const MapPoint fiji = mapPointForCoordinate({-1.0, -178.0});
    EXPECT_FALSE(crossing.contains(fiji));
    EXPECT_TRUE(crossing.containsWrapped(fiji));
    EXPECT_TRUE(crossing.intersectsWrapped(MapRect{fiji.x, fiji.y, 10, 10}));
    EXPECT_FALSE(crossing.intersectsWrapped(MapRect{W / 2, W / 2, 10, 10}));
}

TEST(MapRectTest, SetOperations) {
    const MapRect a{0, 0, 10, 10};
    const MapRect b{5, 5, 10, 10};
    EXPECT_EQ(a.intersection(b), (MapRect{5, 5, 5, 5}));
    EXPECT_EQ(a.unionWith(b), (MapRect{0, 0, 15, 15}));
    EXPECT_EQ(a.unionWith(MapRect{}), a);
    EXPECT_TRUE(a.intersection(MapRect{10, 0, 5, 5}).isEmpty());  // touching edges do not meet
    EXPECT_FALSE(a.intersects(MapRect{10, 0, 5, 5}));
    EXPECT_TRUE(a.contains(MapRect{1, 1, 9, 9}));
    EXPECT_FALSE(a.contains(MapPoint{10, 5}));
    EXPECT_TRUE(kMapRectWorld.contains(mapPointForCoordinate({-85.0, 179.99})));
}

}  // namespace
}  // namespace platform::map
