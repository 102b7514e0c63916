#include "platform/map/MapTileGrid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platform::map {
namespace {

constexpr double W = kMapWorldWidth;
constexpr MapTileGrid kGrid{5};

TEST(MapTileGridTest, LevelsStayWithinTheGrid) {
    EXPECT_EQ(kGrid.levelWithin(-3), 0);
    EXPECT_EQ(kGrid.levelWithin(9), 5);
    EXPECT_EQ(kGrid.tileWidth(1), W / 2);
    EXPECT_EQ(kGrid.tileWidth(40), W / 32);
    EXPECT_EQ(kGrid.wrappedColumn(-1, 2), 3);
    EXPECT_EQ(kGrid.wrappedColumn(9, 2), 1);
}

// Three maps share the grid: a rect reaches the tile its far edge ends on, columns never repeat the world and
// rows never leave it.
TEST(MapTileGridTest, ARectCoversItsTilesWithBothEndsIncludedAndAtMostOneWorldAcross) {
    const auto span = kGrid.spanCovering(MapRect{W / 4, W / 4, W / 4, W / 4}, 2);  // one tile, ends on edges
    EXPECT_EQ(span.firstColumn, 1);
    EXPECT_EQ(span.lastColumn, 2);
    EXPECT_EQ(span.rows(), 2);

    const auto wide = kGrid.spanCovering(MapRect{-W / 2, -W, 3 * W, 3 * W}, 1);
    EXPECT_EQ(wide.firstColumn, -1);
    EXPECT_EQ(wide.columns(), 2);
    EXPECT_EQ(wide.firstRow, 0);
    EXPECT_EQ(wide.lastRow, 1);

    const auto cells = kGrid.cellsCovering(MapRect{-10, 0, 20, 10}, 1);
    ASSERT_EQ(cells.size(), 2U);
    EXPECT_EQ(cells[0].placed, (MapRect{-W / 2, 0, W / 2, W / 2}));
    EXPECT_EQ(cells[0].tile, (MapRect{W / 2, 0, W / 2, W / 2}));
    EXPECT_EQ(cells[0].column, 1U);
    EXPECT_EQ(cells[1].column, 0U);
}

TEST(MapTileGridTest, RectsOutsideTheWorldNotFiniteOrNeedingTooManyCellsCoverNothing) {
    EXPECT_EQ(kGrid.spanCovering(MapRect{0, W + 1, 10, 10}, 3).cells(), 0);
    EXPECT_EQ(kGrid.spanCovering(MapRect{5 * W, 0, 10, 10}, 3).cells(), 0);
    EXPECT_EQ(kGrid.spanCovering(MapRect{0, 0, std::nan(""), 10}, 3).cells(), 0);
    EXPECT_EQ(kGrid.spanCovering(MapRect{0, 0, -10, 10}, 3).cells(), 0);
    constexpr MapTileGrid deep{23};
    EXPECT_GT(deep.spanCovering(kMapRectWorld, 23).cells(), MapTileGrid::kMaxCells);
    EXPECT_TRUE(deep.cellsCovering(kMapRectWorld, 23).empty());
}

}  // namespace
}  // namespace platform::map
