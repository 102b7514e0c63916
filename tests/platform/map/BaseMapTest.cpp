#include "platform/map/BaseMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/gfx/BitmapContext.h"
#include "platform/map/MapView.h"
#include "platform/ui/ScreenRenderer.h"

namespace platform::map {
namespace {

struct Place {
    const char* name;
    geo::Coordinate coordinate;
    bool land;
};

std::shared_ptr<MapView> mapOf(const CoordinateRegion& region, MapType type = MapType::Standard) {
    auto map = std::make_shared<MapView>(ui::Rect{0, 0, 320, 367});
    map->setRegion(region, false);
    map->setMapType(type);
    return map;
}

gfx::Color colorAt(MapView& map, const gfx::Image& image, const geo::Coordinate& coordinate) {
    const ui::Point point = map.convertCoordinate(coordinate);
    return image.pixel(static_cast<int>(point.x), static_cast<int>(point.y));
}

bool looksLikeLand(const gfx::Color& color) {
    return color.red > 0.85 && color.blue < 0.9;
}

TEST(BaseMapTest, LandAndSeaLieWhereTheCoastlinesSay) {
    const Place places[] = {
        {"Atlantic off Georgia", {31.0, -78.0}, false},
        {"Georgia, USA", {32.6, -83.5}, true},
        {"Gulf of Mexico", {26.0, -89.0}, false},
        {"Florida", {28.3, -81.6}, true},
    };
    auto map = mapOf({{30.5, -83.0}, {14.0, 16.0}});
    const auto image = ui::ScreenRenderer::renderView(*map);
    for (const Place& place : places) {
        EXPECT_EQ(looksLikeLand(colorAt(*map, *image, place.coordinate)), place.land) << place.name;
    }
}

TEST(BaseMapTest, MapTypesLookDifferentAndAMissingFileLeavesSea) {
    const CoordinateRegion europe{{50.0, 10.0}, {35.0, 40.0}};
    const geo::Coordinate paris{48.85, 2.35};
    auto standard = mapOf(europe);
    auto satellite = mapOf(europe, MapType::Satellite);
    const gfx::Color standardLand = colorAt(*standard, *ui::ScreenRenderer::renderView(*standard), paris);
    const gfx::Color satelliteLand = colorAt(*satellite, *ui::ScreenRenderer::renderView(*satellite), paris);
    EXPECT_GT(std::abs(standardLand.red - satelliteLand.red) + std::abs(standardLand.green - satelliteLand.green), 0.5);

    const BaseMap missing("/nonexistent/coast.nc", "/nonexistent/detailed.nc");
    EXPECT_EQ(missing.coastlines(1e-6), nullptr);
    gfx::BitmapContext context(10, 10);
    missing.draw(context, kMapRectWorld, 1e-6, gfx::Rect{0, 0, 10, 10}, MapType::Standard);
    EXPECT_FALSE(looksLikeLand(context.makeImage()->pixel(5, 5)));
}

}  // namespace
}  // namespace platform::map
