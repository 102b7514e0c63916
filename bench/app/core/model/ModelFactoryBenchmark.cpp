#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include <simdjson.h>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVModelFactory.h"
#include "bench/app/core/model/LargeAggregate.h"
#include "platform/storage/KeyedArchiver.h"
#include "sim/ServiceKey.h"
#include "sim/SimServer.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string& grownAnswer() {
    static const std::string text = qovbench::largeAggregateAnswer(120 * 1024);
    return text;
}

// The stand-in service's own aggregate answer for the default place, as the application receives it.
const std::string& serviceAnswer() {
    static const std::string text = [] {
        const qovsim::SimServer service;
        qovsim::SimRequest request;
        request.path = "/wxdata/mobile/mobagg/USGA0028:1.js";
        request.query.emplace("key", qovsim::ServiceKey::expected());
        return service.respond(request).body;
    }();
    return text;
}

const std::string& answerOf(bool fromService) { return fromService ? serviceAnswer() : grownAnswer(); }

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Building a location from an answer, against simdjson's plain parse of the same text ("ratio": how many plain
// parses one build costs; at most 2.5 for the stand-in's answer), for the stand-in's own answer and for the
// full US fixture grown to 125 KB.
void BM_ModelFactoryVersusPlainParse(benchmark::State& state, bool fromService) {
    const std::string& text = answerOf(fromService);
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
BENCHMARK_CAPTURE(BM_ModelFactoryVersusPlainParse, serviceAnswer, true);
BENCHMARK_CAPTURE(BM_ModelFactoryVersusPlainParse, grownAnswer, false);

// Plain POSIX file calls, the least any reader or writer of a file can do.
void writeFile(const std::filesystem::path& file, const char* bytes, std::size_t size) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    for (std::size_t written = 0; descriptor >= 0 && written < size;) {
        const ssize_t count = ::write(descriptor, bytes + written, size - written);
        if (count <= 0) {
            break;
        }
        written += static_cast<std::size_t>(count);
    }
    ::close(descriptor);
}

std::string readFile(const std::filesystem::path& file) {
    const int descriptor = ::open(file.c_str(), O_RDONLY);
    struct stat status {};
    std::string bytes;
    if (descriptor >= 0 && ::fstat(descriptor, &status) == 0) {
        bytes.resize(static_cast<std::size_t>(status.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t count = ::read(descriptor, bytes.data() + done, bytes.size() - done);
            if (count <= 0) {
                break;
            }
            done += static_cast<std::size_t>(count);
        }
        bytes.resize(done);
    }
    ::close(descriptor);
    return bytes;
}

// Archiving the location and writing it to a file, then reading the file and unarchiving it, against a plain
// write and read of the same bytes ("ratio": how many plain write-and-read rounds one archive round costs, at
// most 8 for the stand-in's record; "writeRatio" and "readRatio" its two halves). The files live in memory
// (tmpfs, /dev/shm), so the ratio is the coding's cost and not the disk's. Each side is timed on its own, reads
// a file with one call and frees what it read inside its own timing.
void BM_ArchiveVersusPlainFile(benchmark::State& state, bool fromService) {
    const auto location = qov::QOVModelFactory::sharedInstance()->modelUsingJSON(answerOf(fromService));
    const std::filesystem::path memory = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
    const auto directory = memory / ("qov-bench-archive-" + std::to_string(::getpid()));
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
BENCHMARK_CAPTURE(BM_ArchiveVersusPlainFile, serviceRecord, true);
BENCHMARK_CAPTURE(BM_ArchiveVersusPlainFile, grownRecord, false);

}  // namespace
