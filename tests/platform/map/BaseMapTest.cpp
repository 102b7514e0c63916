#include "platform/map/BaseMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/gfx/BitmapContext.h"
#include "platform/map/MapView.h"
#include "platform/ui/ScreenRenderer.h"
#include "tests/support/TempHome.h"

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

bool looksLikeLand(const gfx::Color& color) { return color.red > 0.85 && color.blue < 0.9; }

TEST(BaseMapTest, LandAndSeaLieWhereTheCoastlinesSay) {
    struct Case {
        CoordinateRegion region;
        std::vector<Place> places;
    };
    const Case cases[] = {
        {{{30.5, -83.0}, {14.0, 16.0}},
         {{"Atlantic off Georgia", {31.0, -78.0}, false},
          {"Georgia, USA", {32.6, -83.5}, true},
          {"Gulf of Mexico", {26.0, -89.0}, false},
          {"Florida", {28.3, -81.6}, true}}},
        {{{50.0, 10.0}, {35.0, 40.0}},
         {{"North Sea", {56.0, 3.0}, false}, {"Germany", {51.0, 10.0}, true}, {"Mediterranean", {38.0, 5.0}, false}}},
        {{{42.0, 50.0}, {20.0, 25.0}},  // a lake and the land around it
         {{"Caspian Sea", {42.0, 51.0}, false}, {"Kazakhstan", {48.0, 60.0}, true}}},
        {{{-17.0, 180.0}, {30.0, 30.0}},  // across the antimeridian
         {{"Fiji, Viti Levu", {-17.8, 178.0}, true}, {"Pacific", {-20.0, -175.5}, false}}},
        {{{0.0, 0.0}, {170.0, 360.0}},
         {{"Sahara", {23.0, 10.0}, true},
          {"Atlantic", {30.0, -40.0}, false},
          {"Greenland", {75.0, -40.0}, true},
          {"Antarctica", {-80.0, 100.0}, true}}},
        {{{33.75, -84.39}, {0.4, 0.4}},  // close in: the detailed coastlines
         {{"Atlanta", {33.75, -84.39}, true}}},
    };
    for (const Case& c : cases) {
        auto map = mapOf(c.region);
        const auto image = ui::ScreenRenderer::renderView(*map);
        for (const Place& place : c.places) {
            EXPECT_EQ(looksLikeLand(colorAt(*map, *image, place.coordinate)), place.land) << place.name;
        }
    }
}

TEST(BaseMapTest, FilesThatAreNotCoastlinesAreRefused) {
    const qovtest::TempHome home;
    const std::string junk = (home.path() / "junk.nc").string();
    const std::string truncated = (home.path() / "truncated.nc").string();
    std::ofstream(junk) << "CDF\x01 not really a netCDF file";
    {
        std::ifstream real(QOV_COASTLINE_FILE, std::ios::binary);
        std::string head(4096, '\0');
        real.read(head.data(), static_cast<std::streamsize>(head.size()));
        std::ofstream(truncated, std::ios::binary) << head;
    }
    for (const std::string& path : {junk, truncated, home.path().string()}) {
        EXPECT_FALSE(CoastlineLayout::read(path).has_value()) << path;
        EXPECT_FALSE(CoastlineData::readBins(path, {0, 1}).has_value()) << path;
    }
}

// A close view reads only the bins around it; views all over the world keep no more than the cache holds and
// still draw land where it is.
TEST(BaseMapTest, DrawsReadOnlyTheirBinsAndKeepABoundedNumber) {
    const auto drawAt = [](const BaseMap& map, const geo::Coordinate& centre) {
        auto view = mapOf({centre, {3.0, 3.0}});
        gfx::BitmapContext context(320, 367);
        map.draw(context, view->visibleMapRect(), view->zoomScale(), gfx::Rect{0, 0, 320, 367}, MapType::Standard);
        return context.makeImage();
    };
    const BaseMap roomy(QOV_COASTLINE_FILE, QOV_DETAILED_COASTLINE_FILE);
    drawAt(roomy, {33.75, -84.39});
    // The detailed file's shapes hold about a million points.
    EXPECT_GT(roomy.cachedPoints(), 0U);
    EXPECT_LT(roomy.cachedPoints(), 50'000U);

    constexpr std::size_t kKept = 20'000;
    const BaseMap small(QOV_COASTLINE_FILE, QOV_DETAILED_COASTLINE_FILE, kKept);
    for (double longitude = -150.0; longitude < 180.0; longitude += 60.0) {
        for (const double latitude : {-35.0, 50.0}) {
            drawAt(small, {latitude, longitude});
        }
    }
    EXPECT_LE(small.cachedPoints(), kKept);
    EXPECT_TRUE(looksLikeLand(drawAt(small, {33.75, -84.39})->pixel(160, 183)));
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
    EXPECT_FALSE(missing.hasCoastlines(1e-6));
    gfx::BitmapContext context(10, 10);
    missing.draw(context, kMapRectWorld, 1e-6, gfx::Rect{0, 0, 10, 10}, MapType::Standard);
    EXPECT_FALSE(looksLikeLand(context.makeImage()->pixel(5, 5)));
}

}  // namespace
}  // namespace platform::map
