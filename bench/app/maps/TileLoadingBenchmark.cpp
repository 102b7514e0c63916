#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include <httplib.h>
#include <unistd.h>

#include "app/maps/cache/QOVMapCache.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "sim/SimServer.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Level-6 tiles are 2^22 map points wide; this rect covers the 3 x 3 tiles around the south-eastern United States.
constexpr double kTileWidth = 4194304.0;
const platform::map::MapRect kFrameRect(15 * kTileWidth + 1, 24 * kTileWidth + 1, 3 * kTileWidth - 2, 3 * kTileWidth - 2);
constexpr float kZoomScale = 1.0F / 16384.0F;

struct Counter : qov::MapTileReceiver {
    std::size_t received = 0;
    void mapTileReceived(const std::shared_ptr<qov::QOVMapTileData>&) override { ++received; }
};

// The stand-in service, a map tile cache in a temporary home aimed at it, and the newest radar series.
class World {
public:
    World() : m_home(std::filesystem::temp_directory_path() / ("qov-bench-tiles-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_home);
        platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home));
        m_server.start();
        auto datasource = qov::QOVTileServerDatasource::create();
        datasource->setTileServerHosts(m_server.baseUrl(), m_server.baseUrl());
        cache = qov::QOVMapCache::create(m_home, datasource);
        pumpUntil([this] { return cache->currentTileConfig() != nullptr; });
        series = cache->currentTileConfig()->latestSeriesForLayer("radar");
    }
    ~World() {
        cache.reset();
        m_server.stop();
        std::filesystem::remove_all(m_home);
    }

    static void pumpUntil(const std::function<bool()>& condition) {
        const auto deadline = Clock::now() + std::chrono::seconds(30);
        while (!condition() && Clock::now() < deadline) {
            platform::RunLoop::main().runFor(0.0005);
        }
    }
    std::string tilePath(const std::string& quadKey) const {
        return "/TileServer/imgs/radar/" + series->seriesDate() + "/" + quadKey + ".png";
    }
    int port() const { return m_server.port(); }
    std::filesystem::path tileFile(const std::string& quadKey) const {
        return m_home / "MapCache" / *qov::QOVMapCache::fileNameForSeries(*series, quadKey);
    }

    std::shared_ptr<qov::QOVMapCache> cache;
    std::shared_ptr<qov::QOVMapSeries> series;

private:
    std::filesystem::path m_home;
    qovsim::SimServer m_server;
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
