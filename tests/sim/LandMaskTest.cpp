#include "sim/LandMask.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/TempHome.h"

namespace qovsim {
namespace {

TEST(LandMaskTest, CoastsLakesAndIslandsAreWhereTheMapsDrawThem) {
    const struct {
        const char* where;
        double latitude;
        double longitude;
        bool land;
    } cases[] = {
        {"Atlanta", 33.749, -84.388, true},
        {"London", 51.5074, -0.1278, true},
        {"Miami Beach", 25.79, -80.13, true},
        {"Biscayne Bay", 25.65, -80.22, false},
        {"the mid-Atlantic", 30.0, -40.0, false},
        {"Lake Michigan", 43.5, -87.0, false},
        {"Isle Royale, in Lake Superior", 48.0, -88.9, true},
        {"Tokyo Bay", 35.5, 139.85, false},
        {"Mumbai", 19.076, 72.8777, true},
        {"the Arabian Sea off Mumbai", 19.0, 72.7, false},
        {"the Pacific at the date line", 10.0, 180.0, false},
        {"Fiji, across the date line", -17.8, 178.0, true},
        {"the Sahara", 23.0, 10.0, true},
        {"beyond the pole", 91.0, 0.0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LandMask::shared().isLand(c.latitude, c.longitude), c.land) << c.where;
    }
}

TEST(LandMaskTest, AFileThatCannotBeReadLeavesEverythingLand) {
    qovtest::TempHome home;
    std::ofstream(home.path() / "not-netcdf.nc") << "not a coastline file";
    for (const auto& path : {home.path() / "missing.nc", home.path() / "not-netcdf.nc"}) {
        const LandMask mask(path.string());
        EXPECT_TRUE(mask.isLand(30.0, -40.0)) << path;
    }
}

}  // namespace
}  // namespace qovsim
