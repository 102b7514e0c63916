#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/model/QOVMapTileConfig.h"
#include "platform/storage/UserDefaults.h"

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The map a 320 x 480 screen shows at level 8 (zoom scale 2^-12) over the south-eastern United States.
const platform::map::MapRect kScreenRect(69'000'000.0, 105'000'000.0, 320.0 * 4096.0, 480.0 * 4096.0);
constexpr float kZoomScale = 1.0F / 4096.0F;

// The tiles of a screen's map rect, against building the same number of plain tile records (a quadkey text and
// a rect) in a vector ("ratio": how many plain builds one grid computation costs).
void BM_TilesOfAMapRectVersusPlainRecords(benchmark::State& state) {
    struct PlainTile {
        std::string quadKey;
        platform::map::MapRect rect;
    };
    const std::size_t count = qov::QOVMapCache::tilesInMapRect(kScreenRect, kZoomScale).size();
    double gridSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        auto tiles = qov::QOVMapCache::tilesInMapRect(kScreenRect, kZoomScale);
        benchmark::DoNotOptimize(tiles);
        gridSeconds += secondsSince(start);

        start = Clock::now();
        std::vector<PlainTile> plain;
        for (std::size_t index = 0; index < count; ++index) {
            plain.push_back(PlainTile{std::string(8, static_cast<char>('0' + index % 4)),
                                      platform::map::MapRect(static_cast<double>(index), 0, 1, 1)});
        }
        benchmark::DoNotOptimize(plain);
        plainSeconds += secondsSince(start);
    }
    state.counters["tiles"] = static_cast<double>(count);
    state.counters["ratio"] = gridSeconds / plainSeconds;
}
BENCHMARK(BM_TilesOfAMapRectVersusPlainRecords);

std::shared_ptr<qov::QOVMapLayer> layerWithSeries(const std::string& type, int seriesCount, int frameCount) {
    auto layer = std::make_shared<qov::QOVMapLayer>();
    layer->setLayerType(type);
    qov::QOVMapSeries::List list;
    for (int index = 0; index < seriesCount; ++index) {
        auto series = std::make_shared<qov::QOVMapSeries>();
        series->setSeriesDate(std::to_string(202701150800 - index * 5));
        qov::QOVMapSeries::List frames;
        for (int frame = 0; frame < frameCount; ++frame) {
            auto ff = std::make_shared<qov::QOVMapSeries>();
            ff->setIsPast(frame < 2);
            frames.push_back(ff);
        }
        if (frameCount > 0) {
            series->setFfSeries(frames);
        }
        list.push_back(series);
    }
    layer->setAvailableSeries(list);
    return layer;
}

// Picking the frames of a radar loop and of a forecast loop, against copying the same layers' series lists
// ("ratio": how many plain copies one selection costs).
void BM_FrameSelectionVersusPlainCopy(benchmark::State& state) {
    // The radar loop asks the user defaults for the device model: read them from an empty temporary file.
    const auto defaultsFile =
        std::filesystem::temp_directory_path() / ("qov-bench-defaults-" + std::to_string(::getpid()));
    platform::UserDefaults::resetStandard(std::make_shared<platform::UserDefaults>(defaultsFile));
    const auto radar = layerWithSeries("radar", 24, 0);
    qov::QOVMapTileConfig configuration;
    configuration.setMapLayers({{"radar", radar}, {"future_radar_ff", layerWithSeries("future_radar_ff", 2, 13)}});
    const auto& run = configuration.latestSeriesForLayer("future_radar_ff");
    double selectSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        auto loop = radar->animationSeries(&configuration);
        auto forecast = configuration.futureTileSeriesForLayer("radar", false);
        benchmark::DoNotOptimize(loop);
        benchmark::DoNotOptimize(forecast);
        selectSeconds += secondsSince(start);

        start = Clock::now();
        auto loopCopy = radar->availableSeries();
        auto forecastCopy = *run->ffSeries();
        benchmark::DoNotOptimize(loopCopy);
        benchmark::DoNotOptimize(forecastCopy);
        plainSeconds += secondsSince(start);
    }
    platform::UserDefaults::resetStandard(nullptr);
    std::filesystem::remove(defaultsFile);
    state.counters["ratio"] = selectSeconds / plainSeconds;
}
BENCHMARK(BM_FrameSelectionVersusPlainCopy);

}  // namespace
