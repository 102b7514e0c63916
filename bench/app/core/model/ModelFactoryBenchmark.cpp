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

void writeFile(const std::filesystem::path& file, const char* bytes, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes, static_cast<std::streamsize>(size));
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Archiving the location and writing it to a file, then reading the file and unarchiving it, against a plain
// write and read of the same bytes ("ratio": how many plain write-and-read rounds one archive round costs;
// "writeRatio" and "readRatio" its two halves). Each side is timed on its own and frees what it read inside its
// own timing. The files are written plainly on both sides, so the ratio is the coding's cost, whatever the atomic
// writer does to make a file durable.
void BM_ArchiveVersusPlainFile(benchmark::State& state) {
    const auto location = qov::QOVModelFactory::sharedInstance()->modelUsingJSON(answer());
    const auto directory = std::filesystem::temp_directory_path() / "qov-bench-archive";
    std::filesystem::create_directories(directory);
    const auto archiveFile = directory / "location.LocationCache";
    const auto plainFile = directory / "plain.bin";
    const auto archived = platform::KeyedArchiver::archivedDataWithRootObject(*location);
    const std::string bytes(archived->begin(), archived->end());

    double writeSeconds = 0;
    double readSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        {
            const auto data = platform::KeyedArchiver::archivedDataWithRootObject(*location);
            writeFile(archiveFile, reinterpret_cast<const char*>(data->data()), data->size());
        }
        writeSeconds += secondsSince(start);

        start = Clock::now();
        {
            const std::string read = readFile(archiveFile);
            auto copy = platform::KeyedUnarchiver::unarchiveObjectWithData(platform::Data(read.begin(), read.end()));
            benchmark::DoNotOptimize(copy);
        }
        readSeconds += secondsSince(start);

        start = Clock::now();
        writeFile(plainFile, bytes.data(), bytes.size());
        {
            const std::string read = readFile(plainFile);
            benchmark::DoNotOptimize(read);
        }
        plainSeconds += secondsSince(start);
    }
    std::filesystem::remove_all(directory);
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["ratio"] = (writeSeconds + readSeconds) / plainSeconds;
    state.counters["writeRatio"] = writeSeconds / plainSeconds;
    state.counters["readRatio"] = readSeconds / plainSeconds;
}
BENCHMARK(BM_ArchiveVersusPlainFile);

}  // namespace
