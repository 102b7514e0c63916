#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <simdjson.h>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVModelFactory.h"
#include "bench/app/core/model/LargeAggregate.h"
#include "platform/storage/KeyedArchiver.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string& answer() {
    static const std::string text = qovbench::largeAggregateAnswer(120 * 1024);
    return text;
}

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Building a location from the answer, against simdjson's plain parse of the same text ("ratio": how many plain
// parses one build costs; it must stay below 3).
void BM_ModelFactoryVersusPlainParse(benchmark::State& state) {
    const std::string& text = answer();
    const auto factory = qov::QOVModelFactory::sharedInstance();
    simdjson::dom::parser parser;
    double parseSeconds = 0;
    double buildSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        simdjson::dom::element root;
        const auto error = parser.parse(text.data(), text.size()).get(root);
        benchmark::DoNotOptimize(error);
        benchmark::DoNotOptimize(root);
        parseSeconds += secondsSince(start);

        start = Clock::now();
        auto location = factory->modelUsingJSON(text);
        benchmark::DoNotOptimize(location);
        buildSeconds += secondsSince(start);
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["ratio"] = buildSeconds / parseSeconds;
}
BENCHMARK(BM_ModelFactoryVersusPlainParse);

// Archiving the location to a file and reading it back, against writing and reading the same number of bytes
// ("ratio": how many plain write-and-read rounds one archive round costs).
void BM_ArchiveVersusPlainFile(benchmark::State& state) {
    const auto location = qov::QOVModelFactory::sharedInstance()->modelUsingJSON(answer());
    const auto directory = std::filesystem::temp_directory_path() / "qov-bench-archive";
    std::filesystem::create_directories(directory);
    const auto archiveFile = directory / "location.LocationCache";
    const auto plainFile = directory / "plain.bin";
    const auto archived = platform::KeyedArchiver::archivedDataWithRootObject(*location);
    const std::string bytes(archived->begin(), archived->end());

    double archiveSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        platform::KeyedArchiver::archiveRootObject(*location, archiveFile);
        auto copy = platform::KeyedUnarchiver::unarchiveObjectWithFile(archiveFile);
        benchmark::DoNotOptimize(copy);
        archiveSeconds += secondsSince(start);

        start = Clock::now();
        {
            std::ofstream out(plainFile, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        std::ifstream in(plainFile, std::ios::binary);
        std::string read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(read);
        plainSeconds += secondsSince(start);
    }
    std::filesystem::remove_all(directory);
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["ratio"] = archiveSeconds / plainSeconds;
}
BENCHMARK(BM_ArchiveVersusPlainFile);

}  // namespace
