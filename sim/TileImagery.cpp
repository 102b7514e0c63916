#include "sim/TileImagery.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include <cairo.h>

namespace qovsim {

namespace {

// Fields are sampled in world units: the Mercator world is [0, 1) in both directions, y growing southward.
constexpr double kSecondsPerHour = 3600.0;
// The world is about 40000 km around: 60 km/h east is 0.0015 world widths an hour.
constexpr double kWorldPerKilometre = 1.0 / 40075.0;
// Shapes change over this many seconds (between two independent slices of noise).
constexpr double kEvolutionPeriod = 4.0 * kSecondsPerHour;
constexpr int kOctaves = 5;

struct Rgba {
    double red;
    double green;
    double blue;
    double alpha;
};

struct FieldStyle {
    std::uint32_t seed;
    int baseCells;  // cells across the world at the coarsest octave
    double eastKmPerHour;
    double northKmPerHour;
};

constexpr FieldStyle kRain{0x52a1U, 72, 55.0, 18.0};
constexpr FieldStyle kCloud{0xc10dU, 36, 75.0, 12.0};

std::uint32_t mix(std::uint32_t value) {
    value ^= value >> 16;
    value *= 0x7feb352dU;
    value ^= value >> 15;
    value *= 0x846ca68bU;
    value ^= value >> 16;
    return value;
}

// A repeatable value in [0, 1) for a lattice point; columns wrap around the world.
double lattice(long long column, long long row, int period, std::uint32_t seed) {
    const auto wrapped = static_cast<std::uint32_t>(((column % period) + period) % period);
    const auto hash = mix(wrapped * 0x9e3779b1U ^ mix(static_cast<std::uint32_t>(row) + seed));
    return static_cast<double>(hash >> 8) / static_cast<double>(1U << 24);
}

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

double valueNoise(double u, double v, int period, std::uint32_t seed) {
    const double x = u * period;
    const double y = v * period;
    const double column = std::floor(x);
    const double row = std::floor(y);
    const double fx = smooth(x - column);
    const double fy = smooth(y - row);
    const auto c = static_cast<long long>(column);
    const auto r = static_cast<long long>(row);
    const double top = lattice(c, r, period, seed) + (lattice(c + 1, r, period, seed) - lattice(c, r, period, seed)) * fx;
    const double bottom =
        lattice(c, r + 1, period, seed) + (lattice(c + 1, r + 1, period, seed) - lattice(c, r + 1, period, seed)) * fx;
    return top + (bottom - top) * fy;
}

double fractalNoise(double u, double v, int baseCells, std::uint32_t seed) {
    double sum = 0.0;
    double amplitude = 0.5;
    double total = 0.0;
    int period = baseCells;
    for (int octave = 0; octave < kOctaves; ++octave) {
        sum += amplitude * valueNoise(u, v, period, seed + static_cast<std::uint32_t>(octave) * 131U);
        total += amplitude;
        amplitude *= 0.55;
        period *= 2;
    }
    return sum / total;
}

// The field's value at a point of the world at a time: the pattern drifts with its wind and blends between
// slices of noise, so it changes shape without ever jumping.
double fieldAt(const FieldStyle& style, double u, double v, double time) {
    const double hours = time / kSecondsPerHour;
    const double driftedU = u - style.eastKmPerHour * kWorldPerKilometre * hours;
    const double driftedV = v + style.northKmPerHour * kWorldPerKilometre * hours;
    const double phase = time / kEvolutionPeriod;
    const double slice = std::floor(phase);
    const auto first = style.seed + static_cast<std::uint32_t>(static_cast<long long>(slice) * 7919LL);
    const double weight = smooth(phase - slice);
    return fractalNoise(driftedU, driftedV, style.baseCells, first) * (1.0 - weight) +
           fractalNoise(driftedU, driftedV, style.baseCells, first + 7919U) * weight;
}

Rgba radarColour(double value) {
    struct Band {
        double from;
        Rgba colour;
    };
    static constexpr std::array kBands{
        Band{0.70, {0.86, 0.16, 0.16, 0.88}}, Band{0.665, {0.96, 0.58, 0.16, 0.84}},
        Band{0.63, {0.94, 0.90, 0.24, 0.80}}, Band{0.59, {0.16, 0.66, 0.24, 0.72}},
        Band{0.55, {0.47, 0.86, 0.47, 0.60}},
    };
    for (const Band& band : kBands) {
        if (value >= band.from) {
            return band.colour;
        }
    }
    return {0.0, 0.0, 0.0, 0.0};
}

Rgba cloudColour(double value) {
    const double density = std::clamp((value - 0.45) / 0.25, 0.0, 1.0);
    const double shade = 1.0 - 0.25 * density;
    return {shade, shade, shade, 0.85 * density};
}

Rgba over(const Rgba& top, const Rgba& bottom) {
    const double alpha = top.alpha + bottom.alpha * (1.0 - top.alpha);
    if (alpha <= 0.0) {
        return {0.0, 0.0, 0.0, 0.0};
    }
    auto channel = [&](double a, double b) { return (a * top.alpha + b * bottom.alpha * (1.0 - top.alpha)) / alpha; };
    return {channel(top.red, bottom.red), channel(top.green, bottom.green), channel(top.blue, bottom.blue), alpha};
}

Rgba pixelAt(TileSchedule::Imagery imagery, double u, double v, double time) {
    switch (imagery) {
        case TileSchedule::Imagery::Radar: return radarColour(fieldAt(kRain, u, v, time));
        case TileSchedule::Imagery::Clouds: return cloudColour(fieldAt(kCloud, u, v, time));
        case TileSchedule::Imagery::CloudsAndRadar:
            return over(radarColour(fieldAt(kRain, u, v, time)), cloudColour(fieldAt(kCloud, u, v, time)));
    }
    return {0.0, 0.0, 0.0, 0.0};
}

// cairo's pixel format: 32-bit native words, alpha in the top byte, colours premultiplied.
std::uint32_t premultiplied(const Rgba& colour) {
    auto byte = [](double value) { return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0)); };
    const std::uint32_t alpha = byte(colour.alpha);
    return alpha << 24 | byte(colour.red * colour.alpha) << 16 | byte(colour.green * colour.alpha) << 8 |
           byte(colour.blue * colour.alpha);
}

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string TileImagery::png(TileSchedule::Imagery imagery, const TileAddress& tile, double time) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kTileSize, kTileSize);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* pixels = cairo_image_surface_get_data(surface);
    const double worldPixels = std::ldexp(static_cast<double>(kTileSize), tile.level);
    for (int row = 0; row < kTileSize; ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(row) * stride);
        const double v = (static_cast<double>(tile.y) * kTileSize + row + 0.5) / worldPixels;
        for (int column = 0; column < kTileSize; ++column) {
            const double u = (static_cast<double>(tile.x) * kTileSize + column + 0.5) / worldPixels;
            line[column] = premultiplied(pixelAt(imagery, u, v, time));
        }
    }
    cairo_surface_mark_dirty(surface);
    std::string encoded;
    cairo_surface_write_to_png_stream(surface, appendToString, &encoded);
    cairo_surface_destroy(surface);
    return encoded;
}

}  // namespace qovsim
