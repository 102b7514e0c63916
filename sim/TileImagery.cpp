#include "sim/TileImagery.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include <cairo.h>

#include "sim/NoiseField.h"
#include "sim/SurfaceWeather.h"

namespace qovsim {

namespace {

struct Rgba {
    double red;
    double green;
    double blue;
    double alpha;
};

Rgba radarColour(double value) {
    struct Band {
        double from;
        Rgba colour;
    };
    static constexpr std::array kBands{
        Band{NoiseField::kHeavyRain, {0.86, 0.16, 0.16, 0.88}},    Band{0.665, {0.96, 0.58, 0.16, 0.84}},
        Band{NoiseField::kModerateRain, {0.94, 0.90, 0.24, 0.80}}, Band{0.59, {0.16, 0.66, 0.24, 0.72}},
        Band{NoiseField::kLightRain, {0.47, 0.86, 0.47, 0.60}},
    };
    for (const Band& band : kBands) {
        if (value >= band.from) {
            return band.colour;
        }
    }
    return {0.0, 0.0, 0.0, 0.0};
}

// The colour scales of the map legends: a value from 0 to 1 along evenly spaced stops.
Rgba along(std::initializer_list<Rgba> stops, double position, double alpha) {
    const auto* first = stops.begin();
    const double scaled = std::clamp(position, 0.0, 1.0) * static_cast<double>(stops.size() - 1);
    const auto index = std::min(static_cast<std::size_t>(scaled), stops.size() - 2);
    const double t = scaled - static_cast<double>(index);
    const Rgba& a = first[index];
    const Rgba& b = first[index + 1];
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t, alpha};
}

// An infrared picture's scale, the legend's: thin cloud dark grey, thick cloud white. Cloud fades in over a soft
// edge and is as opaque as it gets from a third of its thickness on, so its greys and whites read over pale land.
Rgba cloudColour(double value) {
    constexpr Rgba kThin{0.35, 0.35, 0.35, 1.0};
    constexpr Rgba kMiddle{0.7, 0.7, 0.7, 1.0};
    constexpr Rgba kThick{1.0, 1.0, 1.0, 1.0};
    const double density = std::clamp((value - 0.42) / 0.33, 0.0, 1.0);
    const double edge = std::min(1.0, density * 3.0);
    return along({kThin, kMiddle, kThick}, density, 0.85 * edge * edge * (3.0 - 2.0 * edge));
}

Rgba over(const Rgba& top, const Rgba& bottom) {
    const double alpha = top.alpha + bottom.alpha * (1.0 - top.alpha);
    if (alpha <= 0.0) {
        return {0.0, 0.0, 0.0, 0.0};
    }
    auto channel = [&](double a, double b) { return (a * top.alpha + b * bottom.alpha * (1.0 - top.alpha)) / alpha; };
    return {channel(top.red, bottom.red), channel(top.green, bottom.green), channel(top.blue, bottom.blue), alpha};
}

// Where the European radar network sees: the continent from Iberia and Iceland's south to the Urals' west.
bool inEuropeanCoverage(double u, double v) {
    const double longitude = TileAddress::longitudeOf(u);
    const double latitude = TileAddress::latitudeOf(v);
    return latitude >= 35.0 && latitude <= 71.5 && longitude >= -25.0 && longitude <= 40.0;
}

Rgba pixelAt(TileSchedule::Imagery imagery, double u, double v, double time) {
    switch (imagery) {
        case TileSchedule::Imagery::Radar: return radarColour(NoiseField::rain(u, v, time));
        case TileSchedule::Imagery::EuropeanRadar:
            return inEuropeanCoverage(u, v) ? radarColour(NoiseField::rain(u, v, time)) : Rgba{0.0, 0.0, 0.0, 0.0};
        case TileSchedule::Imagery::Clouds: return cloudColour(NoiseField::cloud(u, v, time));
        case TileSchedule::Imagery::CloudsAndRadar:
            return over(radarColour(NoiseField::rain(u, v, time)), cloudColour(NoiseField::cloud(u, v, time)));
        default: return {0.0, 0.0, 0.0, 0.0};
    }
}

constexpr Rgba kLightGreen{0.55, 0.9, 0.45, 1.0};
constexpr Rgba kGreen{0.1, 0.65, 0.15, 1.0};
constexpr Rgba kYellow{1.0, 0.9, 0.1, 1.0};
constexpr Rgba kOrange{1.0, 0.55, 0.05, 1.0};
constexpr Rgba kRed{0.85, 0.05, 0.05, 1.0};
constexpr Rgba kPurple{0.6, 0.1, 0.6, 1.0};
constexpr Rgba kBlue{0.15, 0.3, 0.9, 1.0};
constexpr Rgba kIce{0.75, 0.85, 1.0, 1.0};

// Degrees Fahrenheit from -20 to 110.
Rgba temperatureColour(double fahrenheit) {
    return along({kPurple, kBlue, kGreen, kYellow, kOrange, kRed}, (fahrenheit + 20.0) / 130.0, 0.8);
}

// Inches of rain: nothing below a hundredth, then a logarithmic scale up to four inches.
Rgba rainColour(double inches) {
    if (inches < 0.01) {
        return {0.0, 0.0, 0.0, 0.0};
    }
    return along({kLightGreen, kGreen, kBlue, kPurple}, std::log(inches / 0.01) / std::log(400.0), 0.8);
}

// Inches of snow: a trace fades in up to an inch, then a logarithmic scale up to two feet.
Rgba snowColour(double inches) {
    if (inches < 0.1) {
        return {0.0, 0.0, 0.0, 0.0};
    }
    const double alpha = 0.8 * std::min(1.0, 0.3 + 0.7 * (inches - 0.1) / 0.9);
    return along({kIce, kBlue, kPurple}, std::log(std::max(inches, 1.0)) / std::log(24.0), alpha);
}

Rgba uvColour(double index) { return along({kGreen, kYellow, kOrange, kRed, kPurple}, index / 11.0, 0.7); }

// Layers drawn from slowly changing values: the value is computed on a coarse grid of the tile (the grid's
// points on the tile's edges are those of its neighbours, so tiles meet without a seam) and interpolated.
constexpr int kGridStep = 8;
constexpr int kGridPoints = TileImagery::kTileSize / kGridStep + 1;

bool drawnFromGrid(TileSchedule::Imagery imagery) {
    switch (imagery) {
        case TileSchedule::Imagery::Temperature:
        case TileSchedule::Imagery::FeelsLike:
        case TileSchedule::Imagery::Rainfall:
        case TileSchedule::Imagery::Snowfall:
        case TileSchedule::Imagery::UVIndex: return true;
        default: return false;
    }
}

double gridValue(TileSchedule::Imagery imagery, const SurfaceWeather& weather, double u, double v) {
    const double latitude = TileAddress::latitudeOf(v);
    const double longitude = TileAddress::longitudeOf(u);
    switch (imagery) {
        case TileSchedule::Imagery::Temperature: return weather.temperature(latitude, longitude);
        case TileSchedule::Imagery::FeelsLike: return weather.feelsLike(latitude, longitude);
        case TileSchedule::Imagery::Rainfall: return weather.rainfall(u, v);
        case TileSchedule::Imagery::Snowfall: return weather.snowfall(u, v);
        default: return weather.uvIndex(u, v);
    }
}

Rgba gridColour(TileSchedule::Imagery imagery, double value) {
    switch (imagery) {
        case TileSchedule::Imagery::Temperature:
        case TileSchedule::Imagery::FeelsLike: return temperatureColour(value);
        case TileSchedule::Imagery::Rainfall: return rainColour(value);
        case TileSchedule::Imagery::Snowfall: return snowColour(value);
        default: return uvColour(value);
    }
}

// cairo's pixel format: 32-bit native words, alpha in the top byte, colours premultiplied.
std::uint32_t premultiplied(const Rgba& colour) {
    auto byte = [](double value) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
    };
    const std::uint32_t alpha = byte(colour.alpha);
    return alpha << 24 | byte(colour.red * colour.alpha) << 16 | byte(colour.green * colour.alpha) << 8 |
           byte(colour.blue * colour.alpha);
}

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string TileImagery::png(TileSchedule::Imagery imagery, const TileAddress& tile, double time,
                             const Gazetteer& places) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kTileSize, kTileSize);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* pixels = cairo_image_surface_get_data(surface);
    const double worldPixels = std::ldexp(static_cast<double>(kTileSize), tile.level);
    auto worldU = [&](double column) { return (static_cast<double>(tile.x) * kTileSize + column) / worldPixels; };
    auto worldV = [&](double row) { return (static_cast<double>(tile.y) * kTileSize + row) / worldPixels; };
    std::vector<double> grid;
    if (drawnFromGrid(imagery)) {
        const SurfaceWeather weather(places, time);
        grid.reserve(kGridPoints * kGridPoints);
        for (int row = 0; row < kGridPoints; ++row) {
            for (int column = 0; column < kGridPoints; ++column) {
                grid.push_back(gridValue(imagery, weather, worldU(column * kGridStep), worldV(row * kGridStep)));
            }
        }
    }
    for (int row = 0; row < kTileSize; ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(pixels + static_cast<std::ptrdiff_t>(row) * stride);
        const double v = worldV(row + 0.5);
        for (int column = 0; column < kTileSize; ++column) {
            if (grid.empty()) {
                line[column] = premultiplied(pixelAt(imagery, worldU(column + 0.5), v, time));
                continue;
            }
            const double gx = (column + 0.5) / kGridStep;
            const double gy = (row + 0.5) / kGridStep;
            const int x0 = static_cast<int>(gx);
            const int y0 = static_cast<int>(gy);
            const double fx = gx - x0;
            const double fy = gy - y0;
            auto at = [&](int x, int y) { return grid[static_cast<std::size_t>(y * kGridPoints + x)]; };
            const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
            const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
            line[column] = premultiplied(gridColour(imagery, top + (bottom - top) * fy));
        }
    }
    cairo_surface_mark_dirty(surface);
    std::string encoded;
    cairo_surface_write_to_png_stream(surface, appendToString, &encoded);
    cairo_surface_destroy(surface);
    return encoded;
}

}  // namespace qovsim
