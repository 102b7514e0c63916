#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVModelFactory.h"
#include "bench/app/core/model/LargeAggregate.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/KeyedArchiver.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The cache's validation pass over N fresh cached places (records the size the stand-in service sends for a
// place), against reading the same files whole without decoding them ("ratio"). "msPer100Places" is the pass's
// own cost scaled to 100 places: it must stay below 20 ms and the same for every N (linear growth).
void BM_ValidationPassVersusPlainReads(benchmark::State& state) {
    const auto places = static_cast<int>(state.range(0));
    const auto caches = std::filesystem::temp_directory_path() / "qov-bench-validation";
    std::filesystem::remove_all(caches);
    const auto cache = std::make_shared<qov::FileSystemApplicationCache>(nullptr, caches);
    const auto location =
        qov::QOVModelFactory::sharedInstance()->modelUsingJSON(qovbench::largeAggregateAnswer(30 * 1024));
    std::vector<std::filesystem::path> files;
    for (int index = 0; index < places; ++index) {
        location->setKey("BENCH" + std::to_string(index));
        const auto file =
            cache->cachesPathURLWithFileName(qov::FileSystemApplicationCache::fileNameForLocationId(*location));
        std::filesystem::create_directories(file.parent_path());
        platform::KeyedArchiver::archiveRootObject(*location, file);
        files.push_back(file);
    }

    double passSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        cache->validateCacheContents();
        passSeconds += secondsSince(start);

        start = Clock::now();
        for (const auto& file : files) {
            auto bytes = platform::AtomicFile::read(file, std::size_t{64} << 20);
            benchmark::DoNotOptimize(bytes);
        }
        plainSeconds += secondsSince(start);
    }
    std::filesystem::remove_all(caches);
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["ratio"] = passSeconds / plainSeconds;
    state.counters["msPer100Places"] = passSeconds / iterations / places * 100 * 1000;
}
BENCHMARK(BM_ValidationPassVersusPlainReads)->Arg(25)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
