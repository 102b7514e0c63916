#include <benchmark/benchmark.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <httplib.h>

#include "app/core/categories/MKMapViewCorbelt.h"
#include "app/maps/animation/QOVAnimationManager.h"
#include "app/maps/animation/QOVAnimationRendererImageView.h"
#include "bench/app/maps/TileServerWorld.h"
#include "sim/TileImagery.h"

namespace {

using qovbench::Clock;
using qovbench::secondsSince;
using World = qovbench::TileServerWorld;

constexpr int kTile = qov::QOVAnimationRenderer::kTilePixels;
constexpr std::size_t kTileBytes = std::size_t(kTile) * kTile * 4;
// Level 6: one tile pixel per view point at this zoom scale.
constexpr float kLevel6ZoomScale = 1.0F / 16384.0F;

// The nine radar tiles around the south-eastern United States at level 6, as the tile server sends them.
qov::QOVAnimationRenderer::FrameData radarFrame() {
    qov::QOVAnimationRenderer::FrameData frame;
    for (long long row = 24; row < 27; ++row) {
        for (long long column = 15; column < 18; ++column) {
            const std::string png = qovsim::TileImagery::png(qovsim::TileSchedule::Imagery::Radar,
                                                             qovsim::TileAddress{column, row, 6}, 1'800'000'000.0);
            frame.emplace_back(platform::Data(png.begin(), png.end()));
        }
    }
    return frame;
}

// Stitching a 3 x 3 frame of decoded tiles into the picture of a 768 x 768 view, against copying the same pixels
// with memcpy ("ratio"); "decodingRatio" is the renderer's whole step, the tiles' PNGs decoded first.
void BM_StitchFrameVersusMemcpy(benchmark::State& state) {
    const auto frame = radarFrame();
    const auto tiles = qov::QOVAnimationRenderer::decodeTiles(frame);
    qov::QOVAnimationRendererImageView renderer(platform::gfx::Rect(0, 0, 3 * kTile, 3 * kTile));
    std::vector<std::vector<unsigned char>> sources(tiles.size(), std::vector<unsigned char>(kTileBytes, 0x5A));
    std::vector<unsigned char> target(tiles.size() * kTileBytes);
    double stitchSeconds = 0;
    double decodeSeconds = 0;
    double copySeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        auto image = renderer.stitchTiles(tiles, 3, kLevel6ZoomScale, {});
        benchmark::DoNotOptimize(image);
        stitchSeconds += secondsSince(start);

        start = Clock::now();
        auto decoded = renderer.imageFromFrameData(frame, 3, kLevel6ZoomScale, {});
        benchmark::DoNotOptimize(decoded);
        decodeSeconds += secondsSince(start);

        start = Clock::now();
        for (std::size_t index = 0; index < sources.size(); ++index) {
            std::memcpy(target.data() + index * kTileBytes, sources[index].data(), kTileBytes);
        }
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
        copySeconds += secondsSince(start);
    }
    state.counters["ratio"] = stitchSeconds / copySeconds;
    state.counters["decodingRatio"] = decodeSeconds / copySeconds;
}
BENCHMARK(BM_StitchFrameVersusMemcpy)->Unit(benchmark::kMicrosecond);

// Hears when every frame of a loop is rendered and adds up the bytes of the frames the renderer made.
struct LoopWatcher : qov::QOVAnimationManagerDelegate {
    bool loaded = false;
    void animationOverlayDisplayedFrame(qov::QOVAnimationManager&, std::uint32_t, const std::string&) override {}
    void allFramesLoaded() override { loaded = true; }
};

struct CountingRenderer : qov::QOVAnimationRendererImageView {
    using QOVAnimationRendererImageView::QOVAnimationRendererImageView;
    std::size_t frameBytes = 0;
    FrameImage nativeDataFromFrameData(const FrameData& frameData, std::uint32_t rows, float zoomScale,
                                       platform::gfx::Point offset, std::uint32_t frameNumber) override {
        auto image =
            QOVAnimationRendererImageView::nativeDataFromFrameData(frameData, rows, zoomScale, offset, frameNumber);
        frameBytes += std::size_t(image->pixelWidth()) * std::size_t(image->pixelHeight()) * 4;
        return image;
    }
};

// A radar loop of ten frames over a phone's full-screen map (320 x 431 points at level 6, as the maps screen
// centres it), loaded through the map cache from the stand-in over loopback with no tile files.
class TenFrameLoop {
public:
    explicit TenFrameLoop(World& world) : m_world(world) {
        qov::MKMapViewCorbelt::setCenterCoordinate(*mapView, platform::geo::Coordinate{33.749, -84.388}, 6, false);
        layer = std::make_shared<qov::QOVMapLayer>(*world.cache->currentTileConfig()->mapLayers().at("radar"));
        auto series = layer->availableSeries();
        series.resize(20);  // every second series: ten frames
        layer->setAvailableSeries(series);
        manager->setMapView(mapView);
        manager->setRenderer(renderer);
        manager->setDelegate(watcher);
    }
    // Forgets the tile files of earlier loads, so that every tile is fetched again.
    void forgetTiles() { m_world.cache->removeAllTileCaches(); }
    // Loads every frame; false when the loop did not finish.
    bool load() {
        watcher->loaded = false;
        renderer->frameBytes = 0;
        manager->setAnimating(false);
        manager->setMapLayer(layer);
        manager->setAnimating(true);
        World::pumpUntil([this] { return watcher->loaded; });
        manager->setAnimating(false);
        return watcher->loaded;
    }
    // The tile paths of every frame of the loop.
    std::vector<std::string> tilePaths() const {
        std::vector<std::string> paths;
        for (const auto& frame : layer->animationSeries(nullptr)) {
            for (const auto& tile :
                 qov::QOVMapCache::tilesInMapRect(mapView->visibleMapRect(), float(mapView->zoomScale()))) {
                paths.push_back(m_world.tilePath(tile->quadKey(), frame->seriesDate()));
            }
        }
        return paths;
    }

    std::shared_ptr<platform::map::MapView> mapView =
        std::make_shared<platform::map::MapView>(platform::gfx::Rect(0, 0, 320, 431));
    std::shared_ptr<CountingRenderer> renderer =
        std::make_shared<CountingRenderer>(platform::gfx::Rect(0, 0, 320, 431));
    std::shared_ptr<LoopWatcher> watcher = std::make_shared<LoopWatcher>();
    std::shared_ptr<qov::QOVAnimationManager> manager = qov::QOVAnimationManager::create();
    std::shared_ptr<qov::QOVMapLayer> layer;

private:
    World& m_world;
};

// Fetches a list of paths over kConnections kept-alive connections at once, each taking the next path not yet
// taken: the plain client's best time for the loop's tiles.
class ConcurrentFetcher {
public:
    static constexpr std::size_t kConnections = 16;

    explicit ConcurrentFetcher(int port) {
        for (std::size_t index = 0; index < kConnections; ++index) {
            auto& client = m_clients.emplace_back(std::make_unique<httplib::Client>("127.0.0.1", port));
            client->set_keep_alive(true);
        }
    }
    // False when a fetch failed.
    bool fetch(const std::vector<std::string>& paths) {
        std::atomic<std::size_t> next{0};
        std::atomic<bool> failed{false};
        std::vector<std::thread> threads;
        for (auto& client : m_clients) {
            threads.emplace_back([&, &client = *client] {
                for (std::size_t index = next++; index < paths.size(); index = next++) {
                    const auto response = client.Get(paths[index]);
                    if (!response || response->status != 200) {
                        failed = true;
                    }
                }
            });
        }
        for (auto& thread : threads) {
            thread.join();
        }
        return !failed;
    }

private:
    std::vector<std::unique_ptr<httplib::Client>> m_clients;
};

// The loop from Play to its last frame against fetching the same tiles over 16 kept-alive connections at once
// ("ratio", at most 1.5), both from a server that drew its tiles already, the loop with no tile files at the
// start; and the same loop again with every tile in its file, against the fetched loop ("cachedRatio", at most
// 0.5).
void BM_TenFrameLoopVersusConcurrentFetches(benchmark::State& state) {
    World world;
    TenFrameLoop loop(world);
    const auto paths = loop.tilePaths();
    ConcurrentFetcher fetcher(world.port());
    // The stand-in draws each tile on its first request and keeps it: one pass first, so that neither side
    // measures the drawing.
    if (!fetcher.fetch(paths)) {
        state.SkipWithError("the stand-in did not answer");
        return;
    }
    double loopSeconds = 0;
    double cachedSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        loop.forgetTiles();
        auto start = Clock::now();
        if (!loop.load()) {
            state.SkipWithError("the loop did not load");
            return;
        }
        loopSeconds += secondsSince(start);

        start = Clock::now();
        if (!loop.load()) {
            state.SkipWithError("the cached loop did not load");
            return;
        }
        cachedSeconds += secondsSince(start);

        start = Clock::now();
        benchmark::DoNotOptimize(fetcher.fetch(paths));
        plainSeconds += secondsSince(start);
    }
    const double iterations = double(state.iterations());
    state.counters["tiles"] = double(paths.size());
    state.counters["ratio"] = loopSeconds / plainSeconds;
    state.counters["cachedRatio"] = cachedSeconds / loopSeconds;
    state.counters["loopMs"] = 1000.0 * loopSeconds / iterations;
    state.counters["cachedMs"] = 1000.0 * cachedSeconds / iterations;
    state.counters["plainMs"] = 1000.0 * plainSeconds / iterations;
}
BENCHMARK(BM_TenFrameLoopVersusConcurrentFetches)->Unit(benchmark::kMillisecond);

// The memory the ten frames of the loop hold, in megabytes ("frameMB"; the goal is under 40), and how much the
// process's peak resident size grew while it loaded ("peakGrowthMB").
void BM_TenFrameLoopMemory(benchmark::State& state) {
    World world;
    TenFrameLoop loop(world);
    const double peakBefore = qovbench::peakResidentMegabytes();
    for (auto _ : state) {
        loop.forgetTiles();
        if (!loop.load()) {
            state.SkipWithError("the loop did not load");
            return;
        }
    }
    state.counters["frameMB"] = double(loop.renderer->frameBytes) / (1024.0 * 1024.0);
    state.counters["peakGrowthMB"] = qovbench::peakResidentMegabytes() - peakBefore;
}
BENCHMARK(BM_TenFrameLoopMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
