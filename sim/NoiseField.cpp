#include "sim/NoiseField.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace qovsim {

namespace {

// Fields are sampled in world units: the Mercator world is [0, 1) in both directions, y growing southward.
constexpr double kSecondsPerHour = 3600.0;
// The world is about 40000 km around: 60 km/h east is 0.0015 world widths an hour.
constexpr double kWorldPerKilometre = 1.0 / 40075.0;
// Shapes change over this many seconds (between two independent slices of noise).
constexpr double kEvolutionPeriod = 4.0 * kSecondsPerHour;
// Octaves of detail: cells halve in size from one to the next.
constexpr int kOctaves = 5;

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

// A repeatable value in [0, 1) for a lattice point: its column, wrapped around the world, and the hash of its row.
double lattice(std::uint32_t wrappedColumn, std::uint32_t rowHash) {
    const auto hash = mix(wrappedColumn * 0x9e3779b1U ^ rowHash);
    return static_cast<double>(hash >> 8) / static_cast<double>(1U << 24);
}

std::uint32_t rowHash(long long row, std::uint32_t seed) { return mix(static_cast<std::uint32_t>(row) + seed); }

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// Each of the cell's columns is wrapped and each of its rows hashed once, for its four corners.
double valueNoise(double u, double v, int period, std::uint32_t seed) {
    const double x = u * period;
    const double y = v * period;
    const double column = std::floor(x);
    const double row = std::floor(y);
    const double fx = smooth(x - column);
    const double fy = smooth(y - row);
    const auto c = static_cast<long long>(column);
    const auto r = static_cast<long long>(row);
    const auto left = static_cast<std::uint32_t>(((c % period) + period) % period);
    const std::uint32_t right = left + 1 == static_cast<std::uint32_t>(period) ? 0U : left + 1;
    const std::uint32_t upper = rowHash(r, seed);
    const std::uint32_t lower = rowHash(r + 1, seed);
    const double topLeft = lattice(left, upper);
    const double bottomLeft = lattice(left, lower);
    const double top = topLeft + (lattice(right, upper) - topLeft) * fx;
    const double bottom = bottomLeft + (lattice(right, lower) - bottomLeft) * fx;
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

// Rain falls from thick cloud: the rain field makes cloud of its own, which starts at the clouds' faintest a little
// short of where rain begins, is past the middle of the clouds' scale from the lightest rain on and at its thickest
// from heavy rain on.
double cloudOfRain(double rain) {
    constexpr double kCloudStarts = 0.50;
    constexpr double kFaintest = 0.42;
    constexpr double kOverLightRain = 0.62;
    constexpr double kThickest = 0.75;
    constexpr double kMost = 0.90;
    using NoiseField::kHeavyRain;
    using NoiseField::kLightRain;
    if (rain < kLightRain) {
        const double rising = (kOverLightRain - kFaintest) / (kLightRain - kCloudStarts);
        return std::max(0.0, kFaintest + (rain - kCloudStarts) * rising);
    }
    const double rising = (kThickest - kOverLightRain) / (kHeavyRain - kLightRain);
    return std::min(kMost, kOverLightRain + (rain - kLightRain) * rising);
}

}  // namespace

double NoiseField::rain(double u, double v, double time) { return fieldAt(kRain, u, v, time); }

double NoiseField::rainRate(double rain) {
    if (rain < kLightRain) {
        return 0.0;
    }
    return std::round((0.04 + (rain - kLightRain)) * 100.0) / 100.0;
}

double NoiseField::cloud(double u, double v, double time) {
    return std::max(fieldAt(kCloud, u, v, time), cloudOfRain(rain(u, v, time)));
}

}  // namespace qovsim
