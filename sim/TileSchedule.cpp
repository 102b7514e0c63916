#include "sim/TileSchedule.h"

#include <array>
#include <cmath>
#include <ctime>

#include <fmt/format.h>

namespace qovsim {

namespace {

struct LayerPlan {
    const char* type;
    TileSchedule::Imagery imagery;
    int maxZoom;
    int native;
    int nativeZoom;
    int seriesCount;
    double step;       // seconds between series
    double latency;    // how long a series takes to appear after its time
    int frameCount;    // forecast frames of each run; 0 for observed layers
    double frameStep;  // seconds between the frames of a run
};

constexpr int kFramesBeforeRun = 2;

using Imagery = TileSchedule::Imagery;

constexpr std::array kPlans{
    LayerPlan{"radar", Imagery::Radar, 12, 1, 7, 24, 300.0, 300.0, 0, 0.0},
    LayerPlan{"eurorad", Imagery::EuropeanRadar, 12, 1, 7, 24, 300.0, 300.0, 0, 0.0},
    LayerPlan{"sat", Imagery::Clouds, 10, 1, 6, 8, 900.0, 900.0, 0, 0.0},
    LayerPlan{"satrad", Imagery::CloudsAndRadar, 10, 1, 6, 8, 900.0, 900.0, 0, 0.0},
    LayerPlan{"temp", Imagery::Temperature, 10, 1, 6, 4, 3600.0, 900.0, 0, 0.0},
    LayerPlan{"feelslike", Imagery::FeelsLike, 10, 1, 6, 4, 3600.0, 900.0, 0, 0.0},
    LayerPlan{"rain", Imagery::Rainfall, 10, 1, 6, 4, 3600.0, 1800.0, 0, 0.0},
    LayerPlan{"snow", Imagery::Snowfall, 10, 1, 6, 4, 3600.0, 1800.0, 0, 0.0},
    LayerPlan{"uv", Imagery::UVIndex, 10, 1, 6, 4, 3600.0, 900.0, 0, 0.0},
    LayerPlan{"future_radar_ff", Imagery::Radar, 10, 1, 6, 2, 3600.0, 1800.0, 13, 900.0},
    LayerPlan{"future_eurorad_ff", Imagery::EuropeanRadar, 10, 1, 6, 2, 3600.0, 1800.0, 13, 900.0},
    LayerPlan{"future_clouds_ff", Imagery::Clouds, 10, 1, 6, 2, 3600.0, 1800.0, 13, 900.0},
    LayerPlan{"future_satrad_ff", Imagery::CloudsAndRadar, 10, 1, 6, 2, 3600.0, 1800.0, 13, 900.0},
    LayerPlan{"future_rain_ff", Imagery::Rainfall, 10, 1, 6, 2, 3600.0, 1800.0, 13, 3 * 3600.0},
    LayerPlan{"future_snow_ff", Imagery::Snowfall, 10, 1, 6, 2, 3600.0, 1800.0, 13, 3 * 3600.0},
};

TileSchedule::Series seriesOf(const LayerPlan& plan, double time, double now) {
    TileSchedule::Series series{TileSchedule::dateText(time), time, {}};
    for (int index = plan.frameCount - 1; index >= 0; --index) {
        const double frameTime = time + (index - kFramesBeforeRun) * plan.frameStep;
        series.frames.push_back({TileSchedule::dateText(frameTime), frameTime, frameTime < now});
    }
    return series;
}

}  // namespace

std::vector<TileSchedule::Layer> TileSchedule::layersAt(double now) {
    std::vector<Layer> layers;
    for (const LayerPlan& plan : kPlans) {
        Layer layer{plan.type, plan.imagery, plan.maxZoom, plan.native, plan.nativeZoom, {}};
        const double newest = std::floor((now - plan.latency) / plan.step) * plan.step;
        for (int index = 0; index < plan.seriesCount; ++index) {
            layer.series.push_back(seriesOf(plan, newest - index * plan.step, now));
        }
        layers.push_back(std::move(layer));
    }
    return layers;
}

std::optional<TileSchedule::Imagery> TileSchedule::imageryOf(std::string_view layerType) {
    for (const LayerPlan& plan : kPlans) {
        if (layerType == plan.type) {
            return plan.imagery;
        }
    }
    return std::nullopt;
}

std::string TileSchedule::dateText(double time) {
    const auto seconds = static_cast<std::time_t>(std::floor(time));
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    return fmt::format("{:04}{:02}{:02}{:02}{:02}", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday, utc.tm_hour,
                       utc.tm_min);
}

std::optional<double> TileSchedule::timeOfDate(std::string_view date) {
    if (date.size() != 12) {
        return std::nullopt;
    }
    std::array<int, 12> digits{};
    for (std::size_t index = 0; index < date.size(); ++index) {
        if (date[index] < '0' || date[index] > '9') {
            return std::nullopt;
        }
        digits[index] = date[index] - '0';
    }
    auto number = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t index = from; index < from + count; ++index) {
            value = value * 10 + digits[index];
        }
        return value;
    };
    std::tm utc{};
    utc.tm_year = number(0, 4) - 1900;
    utc.tm_mon = number(4, 2) - 1;
    utc.tm_mday = number(6, 2);
    utc.tm_hour = number(8, 2);
    utc.tm_min = number(10, 2);
    const double time = static_cast<double>(timegm(&utc));
    // timegm normalises out-of-range fields; a date that does not come back unchanged named no real minute.
    if (dateText(time) != date) {
        return std::nullopt;
    }
    return time;
}

std::optional<double> TileSchedule::timeOfRequestDate(std::string_view date) {
    if (!date.starts_with('u')) {
        return timeOfDate(date);
    }
    date.remove_prefix(1);
    if (date.empty() || date.size() > 15 || date.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    long long milliseconds = 0;
    for (const char digit : date) {
        milliseconds = milliseconds * 10 + (digit - '0');
    }
    if (milliseconds % 60000 != 0) {
        return std::nullopt;
    }
    return static_cast<double>(milliseconds / 1000);
}

}  // namespace qovsim
