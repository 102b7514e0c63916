#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/map/MapRect.h"

namespace platform::map {

// Land and water of the world from a binned coastline file (the netCDF files of the GSHHG coastline database,
// which a Debian data package installs), turned into map-point polygons once at load. The file cuts the world
// into square bins; each bin tells the level of its corners (0 sea, 1 land, 2 lake, 3 island in a lake, 4 pond)
// and holds the shore segments that cross it: closed rings, or open lines that enter and leave by the bin's
// edges. An open line's inside is on its left, so walking each line on to the next one that enters
// counter-clockwise along the bin's edge closes the areas of its level. Immutable once read: safe to share
// between threads.
class CoastlineData {
public:
    struct Shape {
        int level = 0;
        MapRect bounds;
        std::vector<MapPoint> points;
    };

    // The file's contents, or nullopt (logged) when it cannot be read or does not hold together.
    static std::optional<CoastlineData> read(const std::string& path);

    // Areas to fill, in order of rising level, so that lakes cover land and islands cover lakes.
    const std::vector<Shape>& areas() const { return m_areas; }
    // The shore lines themselves (levels as above), for drawing coasts.
    const std::vector<Shape>& shores() const { return m_shores; }

private:
    std::vector<Shape> m_areas;
    std::vector<Shape> m_shores;
};

}  // namespace platform::map
