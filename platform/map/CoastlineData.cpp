#include "platform/map/CoastlineData.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/base/Log.h"
#include "platform/map/MapProjection.h"
#include "platform/storage/NetcdfFile.h"

QOV_LOG_LEVEL(15)

namespace platform::map {
namespace {

constexpr int kMaxLevel = 4;
// Far more than any resolution of the database holds; a file claiming more is refused before allocating.
constexpr int kMaxCount = 1 << 24;
// Relative positions inside a bin run from 0 to this value across it.
constexpr double kBinUnits = 65535.0;

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

// The sizes a file declares, checked before anything is allocated for them.
struct FileCounts {
    double binDegrees = 0.0;
    std::size_t columns = 0;
    std::size_t bins = 0;
    std::size_t segments = 0;
    std::size_t points = 0;
};

std::optional<FileCounts> countsOf(const NetcdfFile& file, const std::string& path) {
    const auto binMinutes = file.scalar("Bin_size_in_minutes");
    const auto columns = file.scalar("N_bins_in_360_longitude_range");
    const auto binCount = file.scalar("N_bins_in_file");
    const auto segmentCount = file.scalar("N_segments_in_file");
    const auto pointCount = file.scalar("N_points_in_file");
    if (!binMinutes || !columns || !binCount || !segmentCount || !pointCount || *binMinutes <= 0 || *columns <= 0 ||
        *binCount <= 0 || *binCount % *columns != 0 || *segmentCount < 0 || *pointCount < 0 || *binCount > kMaxCount ||
        *segmentCount > kMaxCount || *pointCount > kMaxCount ||
        static_cast<long long>(*binMinutes) * *columns != 360 * 60) {
        QOV_LOG_ERROR("The coastline file {} has no usable bin layout", path);
        return std::nullopt;
    }
    return FileCounts{*binMinutes / 60.0, static_cast<std::size_t>(*columns), static_cast<std::size_t>(*binCount),
                      static_cast<std::size_t>(*segmentCount), static_cast<std::size_t>(*pointCount)};
}

}  // namespace

CoastlineLayout::CoastlineLayout(double binDegrees, std::size_t columns, std::size_t bins)
    : m_binDegrees(binDegrees), m_columns(columns), m_bins(bins) {}

std::optional<CoastlineLayout> CoastlineLayout::read(const std::string& path) {
    const NetcdfFile file(path);
    if (!file.isOpen()) {
        QOV_LOG_ERROR("Cannot open the coastline file {}", path);
        return std::nullopt;
    }
    const auto counts = countsOf(file, path);
    return counts ? std::optional(CoastlineLayout(counts->binDegrees, counts->columns, counts->bins)) : std::nullopt;
}

double CoastlineLayout::west(std::size_t bin) const {
    const double west = static_cast<double>(bin % m_columns) * m_binDegrees;
    return west >= 180.0 ? west - 360.0 : west;
}

double CoastlineLayout::south(std::size_t bin) const {
    return 90.0 - static_cast<double>(bin / m_columns + 1) * m_binDegrees;
}

MapRect CoastlineLayout::bounds(std::size_t bin) const {
    const MapPoint northWest = mapPointForCoordinate(geo::Coordinate{south(bin) + m_binDegrees, west(bin)});
    const MapPoint southEast = mapPointForCoordinate(geo::Coordinate{south(bin), west(bin) + m_binDegrees});
    // The eastern edge of the last column is the world's edge, not its start.
    const double east = west(bin) + m_binDegrees >= 180.0 ? kMapWorldWidth : southEast.x;
    return MapRect{northWest.x, northWest.y, std::max(east - northWest.x, 1.0),
                   std::max(southEast.y - northWest.y, 1.0)};
}

std::vector<std::size_t> CoastlineLayout::binsIntersecting(const MapRect& rect) const {
    std::vector<std::size_t> bins;
    for (std::size_t bin = 0; bin < m_bins; ++bin) {
        if (bounds(bin).intersects(rect)) {
            bins.push_back(bin);
        }
    }
    return bins;
}

std::optional<std::map<std::size_t, CoastlineData>> CoastlineData::readBins(const std::string& path,
                                                                            const std::vector<std::size_t>& wanted) {
    const NetcdfFile file(path);
    if (!file.isOpen()) {
        QOV_LOG_ERROR("Cannot open the coastline file {}", path);
        return std::nullopt;
    }
    const auto counts = countsOf(file, path);
    if (!counts) {
        return std::nullopt;
    }
    const CoastlineLayout layout(counts->binDegrees, counts->columns, counts->bins);
    const std::size_t bins = counts->bins;
    const std::size_t segments = counts->segments;
    const std::size_t points = counts->points;
    const auto firstSegment = file.ints("Id_of_first_segment_in_a_bin", bins);
    const auto cornerLevels = file.ints("Embedded_node_levels_in_a_bin", bins);
    const auto segmentsInBin = file.ints("N_segments_in_a_bin", bins);
    const auto segmentInfo = file.ints("Embedded_npts_levels_exit_entry_for_a_segment", segments);
    const auto firstPoint = file.ints("Id_of_first_point_in_a_segment", segments);
    if (!firstSegment || !cornerLevels || !segmentsInBin || !segmentInfo || !firstPoint) {
        QOV_LOG_ERROR("The coastline file {} lacks a variable or has one of the wrong size", path);
        return std::nullopt;
    }

    std::map<std::size_t, CoastlineData> result;
    for (const std::size_t bin : wanted) {
        if (bin >= bins) {
            continue;
        }
        CoastlineData& data = result[bin];
        const double size = layout.binDegrees();
        const double west = layout.west(bin);
        const double south = layout.south(bin);
        const long long begin = (*firstSegment)[bin];
        const long long count = (*segmentsInBin)[bin] & 0xFFFF;
        if (begin < 0 || begin + count > static_cast<long long>(segments)) {
            QOV_LOG_WARN("The coastline file {} has a bin with segments out of range; it is left out", path);
            continue;
        }
        // The bin's points lie between its segments' first and last point: read only those.
        long long lowest = static_cast<long long>(points);
        long long highest = 0;
        for (long long index = begin; index < begin + count; ++index) {
            const long long start = (*firstPoint)[static_cast<std::size_t>(index)];
            const long long length = static_cast<unsigned>((*segmentInfo)[static_cast<std::size_t>(index)]) >> 9;
            if (start >= 0 && start + length <= static_cast<long long>(points)) {
                lowest = std::min(lowest, start);
                highest = std::max(highest, start + length);
            }
        }
        const auto pointsFirst = static_cast<std::size_t>(std::min(lowest, highest));
        const auto pointsCount = static_cast<std::size_t>(highest) - pointsFirst;
        const auto longitudes = file.range("Relative_longitude_from_SW_corner_of_bin", pointsFirst, pointsCount);
        const auto latitudes = file.range("Relative_latitude_from_SW_corner_of_bin", pointsFirst, pointsCount);
        if (!longitudes || !latitudes) {
            QOV_LOG_ERROR("The coastline file {} lacks the points of a bin", path);
            return std::nullopt;
        }
        std::vector<Segment> shore;
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
                const auto at = static_cast<std::size_t>(point) - pointsFirst;
                segment.points.push_back(
                    BinPoint{((*longitudes)[at] & 0xFFFF) / kBinUnits, ((*latitudes)[at] & 0xFFFF) / kBinUnits});
            }
            if (segment.points.size() >= 2) {
                data.m_shores.push_back(toShape(segment.level, segment.points, west, south, size));
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
                    data.m_areas.push_back(toShape(level, segment.points, west, south, size));
                }
            }
            if (!open.empty()) {
                for (const auto& ring : areasOfLevel(std::move(open), level, cornerLevel)) {
                    data.m_areas.push_back(toShape(level, ring, west, south, size));
                }
            } else if (cornerLevel[0] >= level) {
                data.m_areas.push_back(toShape(level, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, west, south, size));
            }
        }
        data.m_areas.shrink_to_fit();
        data.m_shores.shrink_to_fit();
    }
    return result;
}

std::size_t CoastlineData::pointCount() const {
    std::size_t count = 0;
    for (const auto* shapes : {&m_areas, &m_shores}) {
        for (const Shape& shape : *shapes) {
            count += shape.points.size();
        }
    }
    return count;
}

}  // namespace platform::map
