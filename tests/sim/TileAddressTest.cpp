#include "sim/TileAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qovsim {
namespace {

// The empty key is the whole world's tile (the tile server draws it; the points-of-interest route refuses it on
// its own account, not as a key that names no tile).
TEST(TileAddressTest, AQuadKeyNamesItsTileFromTheWholeWorldDownToTheDeepestLevel) {
    const long long deepestColumn = (1LL << TileAddress::kDeepestLevel) - 1;
    const struct {
        std::string key;
        long long x;
        long long y;
    } cases[] = {
        {"213", 3, 5}, {"", 0, 0}, {std::string(TileAddress::kDeepestLevel, '3'), deepestColumn, deepestColumn}};
    for (const auto& c : cases) {
        const auto tile = TileAddress::fromQuadKey(c.key);
        ASSERT_TRUE(tile) << c.key;
        EXPECT_EQ(tile->x, c.x) << c.key;
        EXPECT_EQ(tile->y, c.y) << c.key;
        EXPECT_EQ(tile->level, static_cast<int>(c.key.size())) << c.key;
    }
}

TEST(TileAddressTest, KeysOutsideTheGridNameNoTile) {
    for (const std::string& key :
         std::vector<std::string>{"4", "x", "01 2", "-1", std::string(TileAddress::kDeepestLevel + 1, '0')}) {
        EXPECT_FALSE(TileAddress::fromQuadKey(key)) << key;
    }
}

TEST(TileAddressTest, WorldFractionsBecomeDegreesOfTheMercatorWorld) {
    EXPECT_DOUBLE_EQ(TileAddress::longitudeOf(0.0), -180.0);
    EXPECT_DOUBLE_EQ(TileAddress::longitudeOf(0.5), 0.0);
    EXPECT_NEAR(TileAddress::latitudeOf(0.0), 85.0511287798, 1e-9);
    EXPECT_NEAR(TileAddress::latitudeOf(0.5), 0.0, 1e-12);
    EXPECT_NEAR(TileAddress::latitudeOf(1.0), -85.0511287798, 1e-9);
}

TEST(TileAddressTest, DegreesBecomeFractionsOfTheMercatorWorld) {
    EXPECT_DOUBLE_EQ(TileAddress::uOf(-180.0), 0.0);
    EXPECT_DOUBLE_EQ(TileAddress::uOf(90.0), 0.75);
    EXPECT_NEAR(TileAddress::vOf(0.0), 0.5, 1e-12);
    EXPECT_NEAR(TileAddress::vOf(85.0511287798), 0.0, 1e-9);
    EXPECT_NEAR(TileAddress::vOf(-45.0), 0.640274963, 1e-9);
}

}  // namespace
}  // namespace qovsim
