#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <httplib.h>

#include "bench/app/maps/TileServerWorld.h"

namespace {

using qovbench::Clock;
using qovbench::secondsSince;
using World = qovbench::TileServerWorld;

// Level-6 tiles are 2^22 map points wide; this rect covers the 3 x 3 tiles around the south-eastern United States.
constexpr double kTileWidth = 4194304.0;
const platform::map::MapRect kFrameRect(15 * kTileWidth + 1, 24 * kTileWidth + 1, 3 * kTileWidth - 2,
                                        3 * kTileWidth - 2);
constexpr float kZoomScale = 1.0F / 16384.0F;

struct Counter : qov::MapTileReceiver {
    std::size_t received = 0;
    void mapTileReceived(const std::shared_ptr<qov::QOVMapTileData>&) override { ++received; }
};

// Loading a frame's 3 x 3 tiles through the cache with no tile files (fetched from the stand-in over loopback and
// stored), against fetching the same nine images over one kept-alive connection ("ratio": how many plain
// fetches of the frame one cold load costs).
void BM_ColdFrameVersusPlainHttpFetch(benchmark::State& state) {
    World world;
    const auto grid = qov::QOVMapCache::tilesInMapRect(kFrameRect, kZoomScale);
    httplib::Client client("127.0.0.1", world.port());
    client.set_keep_alive(true);
    double cacheSeconds = 0;
    double plainSeconds = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        world.cache->removeAllTileCaches();
        auto counter = std::make_shared<Counter>();
        auto start = Clock::now();
        world.cache->cacheTiles(world.cache->tilesToCacheForSeries(world.series, kFrameRect, kZoomScale), world.series,
                                counter);
        World::pumpUntil([&] { return counter->received == grid.size(); });
        cacheSeconds += secondsSince(start);

        start = Clock::now();
        bytes = 0;
        for (const auto& tile : grid) {
            auto response = client.Get(world.tilePath(tile->quadKey()));
            bytes += response ? response->body.size() : 0;
        }
        plainSeconds += secondsSince(start);
    }
    state.counters["tiles"] = static_cast<double>(grid.size());
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["ratio"] = cacheSeconds / plainSeconds;
}
BENCHMARK(BM_ColdFrameVersusPlainHttpFetch)->Unit(benchmark::kMillisecond);

// Reading a frame's 3 x 3 tiles from their files through the cache, against reading the same nine files whole
// ("ratio": how many plain reads one warm load costs).
void BM_WarmFrameVersusPlainFileRead(benchmark::State& state) {
    World world;
    const auto grid = qov::QOVMapCache::tilesInMapRect(kFrameRect, kZoomScale);
    auto counter = std::make_shared<Counter>();
    world.cache->cacheTiles(grid, world.series, counter);
    World::pumpUntil([&] { return counter->received == grid.size(); });
    double cacheSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        auto tiles = world.cache->alreadyCachedTilesSeries(world.series, kFrameRect, kZoomScale);
        benchmark::DoNotOptimize(tiles);
        cacheSeconds += secondsSince(start);
        if (tiles.size() != grid.size()) {
            state.SkipWithError("tiles missing from the cache");
            return;
        }

        start = Clock::now();
        for (const auto& tile : grid) {
            std::ifstream in(world.tileFile(tile->quadKey()), std::ios::binary);
            std::string read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            benchmark::DoNotOptimize(read);
        }
        plainSeconds += secondsSince(start);
    }
    state.counters["tiles"] = static_cast<double>(grid.size());
    state.counters["ratio"] = cacheSeconds / plainSeconds;
}
BENCHMARK(BM_WarmFrameVersusPlainFileRead)->Unit(benchmark::kMicrosecond);

}  // namespace
