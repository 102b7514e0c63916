#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qovsim {

// Land and water of the whole world from the binned coastline file the maps draw their detailed coasts from (the
// netCDF files of the GSHHG coastline database, a Debian data package). The file cuts the world into square bins;
// each holds the level of its south-western corner (0 sea, 1 land, 2 lake, 3 island in a lake, 4 pond) and the
// pieces of shore that cross it. A point's level follows from its bin's corner: each shore of a level crossed on
// the straight way from the corner to the point goes into or out of that level's areas. Read whole on first use
// (a few megabytes) and immutable after: any thread.
class LandMask {
public:
    // The mask of the build's coastline file, read on the first call. A file that cannot be read (logged) gives a
    // mask that holds everything for land.
    static const LandMask& shared();

    explicit LandMask(const std::string& path);

    // Land or an island in a lake; false for the sea, lakes and ponds. Latitudes beyond the poles are water.
    bool isLand(double latitude, double longitude) const;

private:
    struct Segment {
        int level = 0;
        std::size_t firstPoint = 0;
        std::size_t pointCount = 0;
    };
    struct Bin {
        int cornerLevel = 0;  // of the south-western corner
        std::size_t firstSegment = 0;
        std::size_t segmentCount = 0;
    };

    int levelAt(double latitude, double longitude) const;

    bool m_read = false;
    double m_binDegrees = 0.0;
    std::size_t m_columns = 0;
    std::vector<Bin> m_bins;
    std::vector<Segment> m_segments;
    // Points inside their bin, from its south-western corner: 0 to 65535 across.
    std::vector<std::uint16_t> m_longitudes;
    std::vector<std::uint16_t> m_latitudes;
};

}  // namespace qovsim
