#include "platform/map/CoastlineData.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <netcdf.h>

#include "platform/base/Log.h"
#include "platform/map/MapProjection.h"

QOV_LOG_LEVEL(15)

namespace platform::map {
namespace {

constexpr int kMaxLevel = 4;
// Far more than any resolution of the database holds; a file claiming more is refused before allocating.
constexpr int kMaxCount = 1 << 24;
// Relative positions inside a bin run from 0 to this value across it.
constexpr double kBinUnits = 65535.0;

// An open netCDF file, closed when it goes.
class NetcdfFile {
public:
    explicit NetcdfFile(const std::string& path) { m_open = nc_open(path.c_str(), NC_NOWRITE, &m_id) == NC_NOERR; }
    ~NetcdfFile() {
        if (m_open) {
            nc_close(m_id);
        }
    }
    NetcdfFile(const NetcdfFile&) = delete;
    NetcdfFile& operator=(const NetcdfFile&) = delete;

    bool isOpen() const { return m_open; }

    // A whole one-dimensional variable of exactly `length` values (read as int), or nullopt.
    std::optional<std::vector<int>> ints(const char* name, std::size_t length) const {
        int variable = 0;
        int dimensions = 0;
        int dimension = 0;
        std::size_t actual = 0;
        if (nc_inq_varid(m_id, name, &variable) != NC_NOERR ||
            nc_inq_varndims(m_id, variable, &dimensions) != NC_NOERR || dimensions != 1 ||
            nc_inq_vardimid(m_id, variable, &dimension) != NC_NOERR ||
            nc_inq_dimlen(m_id, dimension, &actual) != NC_NOERR || actual != length) {
            return std::nullopt;
        }
        std::vector<int> values(length);
        if (length > 0 && nc_get_var_int(m_id, variable, values.data()) != NC_NOERR) {
            return std::nullopt;
        }
        return values;
    }
    std::optional<int> scalar(const char* name) const {
        const auto values = ints(name, 1);
        return values ? std::optional<int>(values->front()) : std::nullopt;
    }

private:
    int m_id = 0;
    bool m_open = false;
};

// A position inside one bin, from its south-western corner, 0 to 1 across.
struct BinPoint {
    double u = 0.0;
    double v = 0.0;
};

struct Segment {
    int level = 0;
    std::vector<BinPoint> points;
    bool isOpen() const {
        return points.size() >= 2 && (points.front().u != points.back().u || points.front().v != points.back().v);
    }
};

// Where a point on the bin's edge lies, walking counter-clockwise from the south-western corner: 0 to 1 along
// the south edge, 1 to 2 up the east, 2 to 3 along the north, 3 to 4 down the west.
double edgePosition(BinPoint point) {
    // The nearest edge, so that an end a unit short of the edge still counts as on it.
    const double south = point.v;
    const double east = 1.0 - point.u;
    const double north = 1.0 - point.v;
    const double west = point.u;
    const double nearest = std::min({south, east, north, west});
    if (nearest == south) {
        return std::clamp(point.u, 0.0, 1.0);
    }
    if (nearest == east) {
        return 1.0 + std::clamp(point.v, 0.0, 1.0);
    }
    if (nearest == north) {
        return 3.0 - std::clamp(point.u, 0.0, 1.0);
    }
    return std::fmod(4.0 - std::clamp(point.v, 0.0, 1.0), 4.0);
}

const std::array<BinPoint, 4> kCorners{BinPoint{1, 0}, BinPoint{1, 1}, BinPoint{0, 1}, BinPoint{0, 0}};

// Appends the corners passed walking counter-clockwise along the edge from one position to the next.
void walkEdge(std::vector<BinPoint>& ring, double from, double to) {
    const double distance = std::fmod(to - from + 4.0, 4.0);
    const double firstCorner = std::floor(from) + 1.0;
    for (double corner = firstCorner; corner < firstCorner + 4.0; ++corner) {
        if (corner - from < distance) {
            ring.push_back(kCorners[static_cast<std::size_t>(std::fmod(corner - 1.0, 4.0))]);
        }
    }
}

// Closes the open segments of one level into rings: after each segment, follow the edge counter-clockwise to
// the nearest segment that enters, until back at the first.
std::vector<std::vector<BinPoint>> closeOpenSegments(const std::vector<Segment>& open) {
    std::vector<std::vector<BinPoint>> rings;
    std::vector<bool> used(open.size(), false);
    for (std::size_t first = 0; first < open.size(); ++first) {
        if (used[first]) {
            continue;
        }
        std::vector<BinPoint> ring;
        std::size_t current = first;
        for (std::size_t steps = 0; steps <= open.size(); ++steps) {
            used[current] = true;
            ring.insert(ring.end(), open[current].points.begin(), open[current].points.end());
            const double exit = edgePosition(open[current].points.back());
            std::size_t next = first;
            double nearest = 5.0;
            for (std::size_t candidate = 0; candidate < open.size(); ++candidate) {
                if (used[candidate] && candidate != first) {
                    continue;
                }
                const double distance = std::fmod(edgePosition(open[candidate].points.front()) - exit + 4.0, 4.0);
                if (distance < nearest) {
                    nearest = distance;
                    next = candidate;
                }
            }
            walkEdge(ring, exit, edgePosition(open[next].points.front()));
            if (next == first) {
                break;
            }
            current = next;
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}

// Even-odd: whether the point lies inside the rings.
bool ringsContain(const std::vector<std::vector<BinPoint>>& rings, BinPoint point) {
    bool inside = false;
    for (const auto& ring : rings) {
        for (std::size_t index = 0, previous = ring.size() - 1; index < ring.size(); previous = index++) {
            const BinPoint& a = ring[index];
            const BinPoint& b = ring[previous];
            if ((a.v > point.v) != (b.v > point.v) && point.u < (b.u - a.u) * (point.v - a.v) / (b.v - a.v) + a.u) {
                inside = !inside;
            }
        }
    }
    return inside;
}

// The areas of one level in a bin. Which side of a shore line is inside differs between the file's polygons,
// so both ways of closing the lines are tried and the one that agrees best with the levels the file gives
// the bin's corners (south-west, south-east, north-east, north-west) is kept.
std::vector<std::vector<BinPoint>> areasOfLevel(std::vector<Segment> open, int level,
                                                const std::array<int, 4>& cornerLevels) {
    static constexpr std::array<BinPoint, 4> kNearCorners{BinPoint{0.001, 0.001}, BinPoint{0.999, 0.001},
                                                          BinPoint{0.999, 0.999}, BinPoint{0.001, 0.999}};
    const auto disagreements = [&](const std::vector<std::vector<BinPoint>>& rings) {
        int count = 0;
        for (std::size_t corner = 0; corner < 4; ++corner) {
            count += ringsContain(rings, kNearCorners[corner]) != (cornerLevels[corner] >= level) ? 1 : 0;
        }
        return count;
    };
    auto rings = closeOpenSegments(open);
    const int asGiven = disagreements(rings);
    if (asGiven == 0) {
        return rings;
    }
    for (Segment& segment : open) {
        std::reverse(segment.points.begin(), segment.points.end());
    }
    auto reversed = closeOpenSegments(open);
    return disagreements(reversed) < asGiven ? reversed : rings;
}

CoastlineData::Shape toShape(int level, const std::vector<BinPoint>& points, double west, double south, double size) {
    CoastlineData::Shape shape;
    shape.level = level;
    shape.points.reserve(points.size());
    double minX = kMapWorldWidth;
    double minY = kMapWorldWidth;
    double maxX = 0.0;
    double maxY = 0.0;
    for (const BinPoint& point : points) {
        MapPoint mapPoint = mapPointForCoordinate(geo::Coordinate{south + point.v * size, west + point.u * size});
        // The eastern edge of the last column is the world's edge, not its start.
        if (west + point.u * size >= 180.0) {
            mapPoint.x = kMapWorldWidth;
        }
        shape.points.push_back(mapPoint);
        minX = std::min(minX, mapPoint.x);
        minY = std::min(minY, mapPoint.y);
        maxX = std::max(maxX, mapPoint.x);
        maxY = std::max(maxY, mapPoint.y);
    }
    shape.bounds = MapRect{minX, minY, std::max(maxX - minX, 1.0), std::max(maxY - minY, 1.0)};
    return shape;
}

}  // namespace

std::optional<CoastlineData> CoastlineData::read(const std::string& path) {
    const NetcdfFile file(path);
    if (!file.isOpen()) {
        QOV_LOG_ERROR("Cannot open the coastline file {}", path);
        return std::nullopt;
    }
    const auto binMinutes = file.scalar("Bin_size_in_minutes");
    const auto columns = file.scalar("N_bins_in_360_longitude_range");
    const auto binCount = file.scalar("N_bins_in_file");
    const auto segmentCount = file.scalar("N_segments_in_file");
    const auto pointCount = file.scalar("N_points_in_file");
    if (!binMinutes || !columns || !binCount || !segmentCount || !pointCount || *binMinutes <= 0 || *columns <= 0 ||
        *binCount <= 0 || *binCount % *columns != 0 || *segmentCount < 0 || *pointCount < 0 ||
        *binCount > kMaxCount || *segmentCount > kMaxCount || *pointCount > kMaxCount ||
        static_cast<long long>(*binMinutes) * *columns != 360 * 60) {
        QOV_LOG_ERROR("The coastline file {} has no usable bin layout", path);
        return std::nullopt;
    }
    const auto bins = static_cast<std::size_t>(*binCount);
    const auto segments = static_cast<std::size_t>(*segmentCount);
    const auto points = static_cast<std::size_t>(*pointCount);
    const auto firstSegment = file.ints("Id_of_first_segment_in_a_bin", bins);
    const auto cornerLevels = file.ints("Embedded_node_levels_in_a_bin", bins);
    const auto segmentsInBin = file.ints("N_segments_in_a_bin", bins);
    const auto segmentInfo = file.ints("Embedded_npts_levels_exit_entry_for_a_segment", segments);
    const auto firstPoint = file.ints("Id_of_first_point_in_a_segment", segments);
    const auto longitudes = file.ints("Relative_longitude_from_SW_corner_of_bin", points);
    const auto latitudes = file.ints("Relative_latitude_from_SW_corner_of_bin", points);
    if (!firstSegment || !cornerLevels || !segmentsInBin || !segmentInfo || !firstPoint || !longitudes || !latitudes) {
        QOV_LOG_ERROR("The coastline file {} lacks a variable or has one of the wrong size", path);
        return std::nullopt;
    }

    CoastlineData data;
    std::vector<Shape> areas[kMaxLevel + 1];
    const double size = *binMinutes / 60.0;
    for (std::size_t bin = 0; bin < bins; ++bin) {
        const double west = static_cast<double>(bin % static_cast<std::size_t>(*columns)) * size;
        const double south = 90.0 - static_cast<double>(bin / static_cast<std::size_t>(*columns) + 1) * size;
        const double wrappedWest = west >= 180.0 ? west - 360.0 : west;
        std::vector<Segment> shore;
        const long long begin = (*firstSegment)[bin];
        const long long count = (*segmentsInBin)[bin] & 0xFFFF;
        if (begin < 0 || begin + count > static_cast<long long>(segments)) {
            QOV_LOG_WARN("The coastline file {} has a bin with segments out of range; it is left out", path);
            continue;
        }
        for (long long index = begin; index < begin + count; ++index) {
            const auto info = static_cast<unsigned>((*segmentInfo)[static_cast<std::size_t>(index)]);
            const long long start = (*firstPoint)[static_cast<std::size_t>(index)];
            const long long length = info >> 9;
            if (start < 0 || start + length > static_cast<long long>(points)) {
                continue;
            }
            Segment segment;
            // Levels 5 and 6 are Antarctica's shores: land like any other.
            const int level = static_cast<int>((info >> 6) & 7);
            segment.level = level > kMaxLevel ? 1 : std::max(level, 1);
            for (long long point = start; point < start + length; ++point) {
                const auto at = static_cast<std::size_t>(point);
                segment.points.push_back(BinPoint{((*longitudes)[at] & 0xFFFF) / kBinUnits,
                                                  ((*latitudes)[at] & 0xFFFF) / kBinUnits});
            }
            if (segment.points.size() >= 2) {
                data.m_shores.push_back(toShape(segment.level, segment.points, wrappedWest, south, size));
                shore.push_back(std::move(segment));
            }
        }
        const auto corners = static_cast<unsigned>((*cornerLevels)[bin]);
        const std::array<int, 4> cornerLevel{static_cast<int>((corners >> 9) & 7), static_cast<int>((corners >> 6) & 7),
                                             static_cast<int>((corners >> 3) & 7), static_cast<int>(corners & 7)};
        for (int level = 1; level <= kMaxLevel; ++level) {
            std::vector<Segment> open;
            for (const Segment& segment : shore) {
                if (segment.level != level) {
                    continue;
                }
                if (segment.isOpen()) {
                    open.push_back(segment);
                } else {
                    areas[level].push_back(toShape(level, segment.points, wrappedWest, south, size));
                }
            }
            if (!open.empty()) {
                for (const auto& ring : areasOfLevel(std::move(open), level, cornerLevel)) {
                    areas[level].push_back(toShape(level, ring, wrappedWest, south, size));
                }
            } else if (cornerLevel[0] >= level) {
                areas[level].push_back(toShape(level, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, wrappedWest, south, size));
            }
        }
    }
    for (auto& level : areas) {
        std::move(level.begin(), level.end(), std::back_inserter(data.m_areas));
    }
    return data;
}

}  // namespace platform::map
