#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/map/MapRect.h"

namespace platform::map {

// Land and water from a binned coastline file (the netCDF files of the GSHHG coastline database, which a Debian
// data package installs), turned into map-point polygons as they are read. The file cuts the world into square
// bins; each bin tells the level of its corners (0 sea, 1 land, 2 lake, 3 island in a lake, 4 pond) and holds
// the shore segments that cross it: closed rings, or open lines that enter and leave by the bin's edges. Walking
// from each open line along the bin's edge to the next line that enters closes the areas of a level; of the two
// directions the one that agrees with the corners' levels is kept. Bins are read one by one, each from its own
// part of the file, so a map reads only the bins it draws.

// Where a file's bins lie. Immutable: safe to share between threads.
class CoastlineLayout {
public:
    CoastlineLayout(double binDegrees, std::size_t columns, std::size_t bins);
    // The layout the file declares, or nullopt (logged) when it cannot be read or does not hold together.
    static std::optional<CoastlineLayout> read(const std::string& path);

    std::size_t binCount() const { return m_bins; }
    double binDegrees() const { return m_binDegrees; }
    // The bin's western edge (-180 to 180) and southern edge, in degrees; bins run in rows from the north.
    double west(std::size_t bin) const;
    double south(std::size_t bin) const;
    // The bin's square in map points.
    MapRect bounds(std::size_t bin) const;
    // The bins whose square meets the rect (within the world's map points), in file order.
    std::vector<std::size_t> binsIntersecting(const MapRect& rect) const;

private:
    double m_binDegrees;
    std::size_t m_columns;
    std::size_t m_bins;
};

// The shapes of one or more bins. Immutable once read: safe to share between threads.
class CoastlineData {
public:
    struct Shape {
        int level = 0;
        MapRect bounds;
        std::vector<MapPoint> points;
    };

    // The shapes of each wanted bin that the file has (other numbers are left out), or nullopt (logged) when
    // the file cannot be read or does not hold together.
    static std::optional<std::map<std::size_t, CoastlineData>> readBins(const std::string& path,
                                                                        const std::vector<std::size_t>& bins);

    // Areas to fill, in order of rising level, so that lakes cover land and islands cover lakes.
    const std::vector<Shape>& areas() const { return m_areas; }
    // The shore lines themselves (levels as above), for drawing coasts.
    const std::vector<Shape>& shores() const { return m_shores; }
    // The points the shapes hold (what a cache of bins counts).
    std::size_t pointCount() const;

private:
    std::vector<Shape> m_areas;
    std::vector<Shape> m_shores;
};

}  // namespace platform::map
