#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/map/MapRect.h"

namespace platform::map {

// The grid of square tiles over the flat map: at level z the world is 2^z by 2^z tiles. Each map that draws
// tiles keeps one grid with its own deepest level and its own rule for the level of a zoom; the grid answers
// tile widths and the tiles a rect covers, with the same wrap and clamps for every map. Constant; any thread.
class MapTileGrid {
public:
    static constexpr double kTilePoints = 256.0;
    // More cells than a screen could show at its level: a rect and level that ask for more get none.
    static constexpr long long kMaxCells = 1 << 16;
    // A rect reaching further than this many world widths from the world is no rect a map shows: it covers no
    // tile.
    static constexpr double kFarthestWorlds = 4.0;

    // Levels from 0 to maxLevel.
    constexpr explicit MapTileGrid(int maxLevel) : m_maxLevel(maxLevel) {}

    constexpr int maxLevel() const { return m_maxLevel; }
    // The level within the grid's levels.
    constexpr int levelWithin(int level) const { return std::clamp(level, 0, m_maxLevel); }
    // The width of one tile at a level (within the grid's), in map points.
    double tileWidth(int level) const;
    // The column of the world that a column at a level repeats (columns past either edge wrap around).
    long long wrappedColumn(long long column, int level) const;

    // The tiles at a level that meet a rect, both ends included (a rect ending on a tile's edge reaches that
    // tile): columns counted from the world at 0 (negative west of it, 2^level and more past the 180th meridian),
    // at most one world wide, since more would repeat tiles; rows clipped to the world. Empty for a rect that is
    // not finite or lies further than kFarthestWorlds from the world.
    struct Span {
        int level = 0;
        long long firstColumn = 0;
        long long lastColumn = -1;
        long long firstRow = 0;
        long long lastRow = -1;

        long long columns() const { return lastColumn >= firstColumn ? lastColumn - firstColumn + 1 : 0; }
        long long rows() const { return lastRow >= firstRow ? lastRow - firstRow + 1 : 0; }
        long long cells() const { return columns() * rows(); }
    };
    Span spanCovering(const MapRect& rect, int level) const;

    // One cell of the grid: the tile's map rect as it lies in the world with its column and row there, and where
    // it lies relative to the rect the cells were asked for (past the eastern edge for a rect crossing the 180th
    // meridian).
    struct Cell {
        MapRect tile;
        MapRect placed;
        std::uint32_t column = 0;
        std::uint32_t row = 0;
    };
    // The cells of spanCovering(rect, level), row by row from the north-west; none when there would be more than
    // kMaxCells.
    std::vector<Cell> cellsCovering(const MapRect& rect, int level) const;

    // The quadkey of tile (x, y) at a level: one digit per level, the most significant first; the digit of level
    // bit i is 0, plus 1 when bit i of x is set, plus 2 when bit i of y is set ("213" for 3, 5 at level 3). Empty
    // below level 1; a level above 32 counts as 32. The tile servers and the map cache's file names use it.
    static std::string quadKey(std::uint32_t x, std::uint32_t y, int level);

private:
    int m_maxLevel;
};

}  // namespace platform::map
