#include "sim/LandMask.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "platform/base/Log.h"
#include "platform/storage/NetcdfFile.h"

QOV_LOG_LEVEL(15)

namespace qovsim {

namespace {

constexpr int kMaxLevel = 4;
// Far more than any resolution of the database holds; a file claiming more is refused before allocating.
constexpr int kMaxCount = 1 << 24;
constexpr double kBinUnits = 65535.0;

// A count the file declares, refused when it is negative or larger than any resolution of the database holds.
std::optional<int> countOf(const platform::NetcdfFile& file, const char* name) {
    const auto value = file.scalar(name);
    if (!value || *value < 0 || *value > kMaxCount) {
        return std::nullopt;
    }
    return value;
}

// Levels 5 and 6 are Antarctica's shores: land like any other.
int shoreLevel(int level) { return level > kMaxLevel ? 1 : std::max(level, 1); }

// Which side of the line from a to b the point c lies on (positive: to the left).
double side(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

}  // namespace

const LandMask& LandMask::shared() {
    static const LandMask mask(QOV_SIM_COASTLINE_FILE);
    return mask;
}

LandMask::LandMask(const std::string& path) {
    const platform::NetcdfFile file(path);
    if (!file.isOpen()) {
        QOV_LOG_ERROR("Cannot open the coastline file {}; every place counts as land", path);
        return;
    }
    const auto binMinutes = countOf(file, "Bin_size_in_minutes");
    const auto columns = countOf(file, "N_bins_in_360_longitude_range");
    const auto binCount = countOf(file, "N_bins_in_file");
    const auto segmentCount = countOf(file, "N_segments_in_file");
    const auto pointCount = countOf(file, "N_points_in_file");
    if (!binMinutes || !columns || !binCount || !segmentCount || !pointCount || *binMinutes == 0 || *columns == 0 ||
        *binCount % *columns != 0 || *binMinutes * *columns != 360 * 60) {
        QOV_LOG_ERROR("The coastline file {} has no usable bin layout; every place counts as land", path);
        return;
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
        QOV_LOG_ERROR("The coastline file {} lacks a variable or has one of the wrong size; every place counts as land",
                      path);
        return;
    }
    for (std::size_t index = 0; index < segments; ++index) {
        const auto info = static_cast<unsigned>((*segmentInfo)[index]);
        const std::size_t length = info >> 9;
        const auto start = static_cast<std::size_t>(std::max((*firstPoint)[index], 0));
        // A segment whose points lie outside the file is left out.
        m_segments.push_back(
            {shoreLevel(static_cast<int>((info >> 6) & 7)), start, start + length <= points ? length : 0});
    }
    for (std::size_t bin = 0; bin < bins; ++bin) {
        const auto begin = static_cast<std::size_t>(std::max((*firstSegment)[bin], 0));
        const std::size_t count = static_cast<unsigned>((*segmentsInBin)[bin]) & 0xFFFF;
        const int corner = static_cast<int>((static_cast<unsigned>((*cornerLevels)[bin]) >> 9) & 7);
        m_bins.push_back({corner > kMaxLevel ? 1 : corner, begin, begin + count <= segments ? count : 0});
    }
    auto unitsOf = [](const std::vector<int>& values) {
        std::vector<std::uint16_t> units;
        units.reserve(values.size());
        for (const int value : values) {
            units.push_back(static_cast<std::uint16_t>(value & 0xFFFF));
        }
        return units;
    };
    m_longitudes = unitsOf(*longitudes);
    m_latitudes = unitsOf(*latitudes);
    m_binDegrees = *binMinutes / 60.0;
    m_columns = static_cast<std::size_t>(*columns);
    m_read = true;
}

int LandMask::levelAt(double latitude, double longitude) const {
    const auto rows = m_bins.size() / m_columns;
    const double east = std::fmod(std::fmod(longitude, 360.0) + 360.0, 360.0);
    const auto column = std::min(static_cast<std::size_t>(east / m_binDegrees), m_columns - 1);
    const auto row = std::min(static_cast<std::size_t>((90.0 - latitude) / m_binDegrees), rows - 1);
    const Bin& bin = m_bins[row * m_columns + column];
    const double south = 90.0 - static_cast<double>(row + 1) * m_binDegrees;
    const double x = (east - static_cast<double>(column) * m_binDegrees) / m_binDegrees * kBinUnits;
    const double y = (latitude - south) / m_binDegrees * kBinUnits;
    // Each shore crossed on the way from the corner (0, 0) to the point goes into or out of its level's areas; an
    // end of a shore piece on the way counts on one side only.
    std::array<bool, kMaxLevel + 1> crossedOddly{};
    for (std::size_t index = bin.firstSegment; index < bin.firstSegment + bin.segmentCount; ++index) {
        const Segment& segment = m_segments[index];
        for (std::size_t point = segment.firstPoint + 1; point < segment.firstPoint + segment.pointCount; ++point) {
            const double ax = m_longitudes[point - 1];
            const double ay = m_latitudes[point - 1];
            const double bx = m_longitudes[point];
            const double by = m_latitudes[point];
            if ((side(x, y, 0.0, 0.0, ax, ay) > 0.0) != (side(x, y, 0.0, 0.0, bx, by) > 0.0) &&
                (side(ax, ay, bx, by, x, y) > 0.0) != (side(ax, ay, bx, by, 0.0, 0.0) > 0.0)) {
                crossedOddly[static_cast<std::size_t>(segment.level)] =
                    !crossedOddly[static_cast<std::size_t>(segment.level)];
            }
        }
    }
    for (int level = kMaxLevel; level >= 1; --level) {
        if ((bin.cornerLevel >= level) != crossedOddly[static_cast<std::size_t>(level)]) {
            return level;
        }
    }
    return 0;
}

bool LandMask::isLand(double latitude, double longitude) const {
    if (!m_read) {
        return true;
    }
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::abs(latitude) > 90.0) {
        return false;
    }
    const int level = levelAt(latitude, longitude);
    return level == 1 || level == 3;
}

}  // namespace qovsim
