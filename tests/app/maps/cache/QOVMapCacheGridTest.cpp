#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/maps/cache/QOVMapCache.h"

namespace qov {
namespace {

using platform::map::MapRect;

std::vector<std::string> quadKeys(const QOVMapCache::TileList& tiles) {
    std::vector<std::string> keys;
    for (const auto& tile : tiles) {
        keys.push_back(tile->quadKey());
    }
    return keys;
}

TEST(QOVMapCacheGridTest, QuadKeysAndZoomLevels) {
    struct Key {
        std::uint32_t x;
        std::uint32_t y;
        int level;
        const char* quadKey;
    };
    for (const Key& test : {Key{3, 5, 3, "213"}, Key{0, 0, 0, ""}, Key{7, 7, -2, ""}, Key{33, 51, 7, "0320023"},
                            Key{(1U << 23) - 1, 0, 23, "11111111111111111111111"}}) {
        EXPECT_EQ(QOVMapCache::quadKeyForX(test.x, test.y, test.level), test.quadKey) << test.x << "," << test.y;
    }
    const std::vector<std::pair<float, int>> levels{{1.0F / 512.0F, 11}, {1.0F, 20},  {2.0F, 21},
                                                    {0.7F, 19},          {1e-12F, 0}, {1e30F, 23}};
    for (const auto& [scale, level] : levels) {
        EXPECT_EQ(QOVMapCache::zoomLevelForZoomScale(scale), level) << scale;
    }
}

TEST(QOVMapCacheGridTest, RectsCoverTheirTilesRowByRowWithBothEndsIncluded) {
    const auto tiles = QOVMapCache::tilesInMapRect(MapRect(0, 0, 131072, 131072), 1.0F / 512.0F);
    EXPECT_EQ(quadKeys(tiles), (std::vector<std::string>{"00000000000", "00000000001", "00000000002", "00000000003"}));
    EXPECT_EQ(tiles[3]->mapRect(), MapRect(131072, 131072, 131072, 131072));
    EXPECT_EQ(QOVMapCache::rowsInFrameForMapRect(MapRect(0, 0, 131072, 131072), 1.0F / 512.0F), 2U);
    // The whole world at the lowest level is one tile.
    EXPECT_EQ(quadKeys(QOVMapCache::tilesInMapRect(MapRect(0, 0, 1e6, 1e6), 1e-9F)), std::vector<std::string>{""});
}

TEST(QOVMapCacheGridTest, RowsOutsideTheWorldAreSkippedAndColumnsPastTheDateLineRepeat) {
    const double world = platform::map::kMapWorldWidth;
    const float level1 = 1.0F / 524288.0F;  // 2^-19: tiles half the world wide
    EXPECT_EQ(quadKeys(QOVMapCache::tilesInMapRect(MapRect(world * 0.75, -world, world * 0.5, world * 2.25), level1)),
              (std::vector<std::string>{"1", "0", "3", "2"}));
    const auto tiles = QOVMapCache::tilesInMapRect(MapRect(world * 0.75, world * 0.1, world * 0.5, 10), level1);
    EXPECT_EQ(tiles[1]->mapRect().minX(), world);
    EXPECT_EQ(QOVMapCache::rowsInFrameForMapRect(MapRect(0, world * 1.5, 10, 10), level1), 0U);
}

TEST(QOVMapCacheGridTest, UnusableScalesAndRectsGiveNoTiles) {
    const MapRect rect(1000, 1000, 1000, 1000);
    for (float scale : {0.0F, -1.0F, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        EXPECT_TRUE(QOVMapCache::tilesInMapRect(rect, scale).empty()) << scale;
        EXPECT_EQ(QOVMapCache::rowsInFrameForMapRect(rect, scale), 0U) << scale;
    }
    EXPECT_TRUE(QOVMapCache::tilesInMapRect(MapRect(0, 0, platform::map::kMapWorldWidth, 1e6), 1.0F).empty());
    EXPECT_TRUE(QOVMapCache::tilesInMapRect(MapRect(std::nan(""), 0, 10, 10), 1.0F).empty());
}

}  // namespace
}  // namespace qov
