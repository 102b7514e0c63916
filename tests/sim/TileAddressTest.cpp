#include "sim/TileAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qovsim {
namespace {

TEST(TileAddressTest, AQuadKeyNamesItsTileDownToTheDeepestLevel) {
    const auto tile = TileAddress::fromQuadKey("213");
    ASSERT_TRUE(tile);
    EXPECT_EQ(tile->x, 3);
    EXPECT_EQ(tile->y, 5);
    EXPECT_EQ(tile->level, 3);
    const auto deepest = TileAddress::fromQuadKey(std::string(TileAddress::kDeepestLevel, '3'));
    ASSERT_TRUE(deepest);
    EXPECT_EQ(deepest->x, (1LL << TileAddress::kDeepestLevel) - 1);
    EXPECT_EQ(deepest->y, deepest->x);
}

// The empty key is the whole world's tile (the tile server draws it); the points-of-interest route refuses it on
// its own account, not as a key that names no tile.
TEST(TileAddressTest, TheEmptyKeyIsTheWholeWorldAndOtherKeysOutsideTheGridNameNoTile) {
    const auto world = TileAddress::fromQuadKey("");
    ASSERT_TRUE(world);
    EXPECT_EQ(world->level, 0);
    EXPECT_EQ(world->x, 0);
    EXPECT_EQ(world->y, 0);
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

}  // namespace
}  // namespace qovsim
