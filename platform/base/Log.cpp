#include "platform/base/Log.h"

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

#include <spdlog/logger.h>
#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/dist_sink.h>
#include <spdlog/sinks/stdout_color_sinks.h>

#include "platform/base/Clock.h"
#include "platform/base/LogRepeats.h"
#include "platform/base/PrintableText.h"
#include "platform/base/ProcessInstance.h"

namespace platform {

namespace {

// The message with its control characters escaped, so that texts from outside never reach a terminal raw.
class PrintableMessageFlag final : public spdlog::custom_flag_formatter {
public:
    void format(const spdlog::details::log_msg& message, const std::tm&, spdlog::memory_buf_t& out) override {
        const std::string text = printableText(std::string_view(message.payload.data(), message.payload.size()));
        out.append(text.data(), text.data() + text.size());
    }
    std::unique_ptr<spdlog::custom_flag_formatter> clone() const override {
        return std::make_unique<PrintableMessageFlag>();
    }
};

const char* baseName(const char* path) {
    const char* name = path;
    for (const char* cursor = path; *cursor != '\0'; ++cursor) {
        if (*cursor == '/') {
            name = cursor + 1;
        }
    }
    return name;
}

spdlog::level::level_enum levelForFlag(int flag) {
    switch (flag) {
        case kLogFlagFatal: return spdlog::level::critical;
        case kLogFlagError: return spdlog::level::err;
        case kLogFlagWarn: return spdlog::level::warn;
        case kLogFlagInfo: return spdlog::level::info;
        case kLogFlagDebug: return spdlog::level::debug;
        default: return spdlog::level::trace;
    }
}

// Fuzz builds write every line at once: a line freed later by the writer thread would blind the fuzzer's
// per-input leak check.
#ifdef QOV_LOG_SYNCHRONOUS
constexpr bool kErrorsWrittenLater = false;
#else
constexpr bool kErrorsWrittenLater = true;
#endif

// The sinks of every attached logger, and a worker that writes the asynchronous lines in order. Never destroyed
// (threads may log while the process exits): the worker runs until the process ends.
class LogHub {
public:
    LogHub() : m_sinks(std::make_shared<spdlog::sinks::dist_sink_mt>()), m_logger("qovara", m_sinks) {
        m_logger.set_level(spdlog::level::trace);
        m_logger.set_pattern("%Y-%m-%d %H:%M:%S.%e %^%l%$ %v");
        m_worker = std::thread([this] { drain(); });
    }

    void writeNow(spdlog::level::level_enum level, const std::string& line) { m_logger.log(level, line); }

    void writeLater(spdlog::level::level_enum level, std::string line) {
        {
            std::lock_guard lock(m_mutex);
            m_pending.emplace_back(level, std::move(line));
            ++m_queued;
        }
        m_wake.notify_all();
    }

    // Waits for the lines queued before the call only: threads that go on logging do not hold it up.
    void flush() {
        std::unique_lock lock(m_mutex);
        const std::uint64_t queued = m_queued;
        m_drained.wait(lock, [this, queued] { return m_written >= queued; });
        lock.unlock();
        m_logger.flush();
    }

    void addSink(const std::shared_ptr<spdlog::sinks::sink>& sink) {
        removeSink(sink);
        m_sinks->add_sink(sink);
    }
    void removeSink(const std::shared_ptr<spdlog::sinks::sink>& sink) { m_sinks->remove_sink(sink); }

    std::mutex consoleMutex;
    std::shared_ptr<spdlog::sinks::sink> console;
    LogRepeats repeats;

private:
    [[noreturn]] void drain() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return !m_pending.empty(); });
            while (!m_pending.empty()) {
                auto [level, line] = std::move(m_pending.front());
                m_pending.pop_front();
                lock.unlock();
                m_logger.log(level, line);
                lock.lock();
                ++m_written;
                m_drained.notify_all();
            }
        }
    }

    std::shared_ptr<spdlog::sinks::dist_sink_mt> m_sinks;
    spdlog::logger m_logger;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_drained;
    std::deque<std::pair<spdlog::level::level_enum, std::string>> m_pending;
    std::uint64_t m_queued = 0;   // lines queued so far
    std::uint64_t m_written = 0;  // of those, lines written
    std::thread m_worker;
};

// Made on first use, with the exit handler that writes what is still pending as the process ends.
LogHub& hub() {
    static NeverDestroyed<LogHub> instance;
    [[maybe_unused]] static const bool flushedAtExit = std::atexit([] { Log::flush(); }) == 0;
    return *instance;
}

}  // namespace

namespace {

void writeLine(int flag, std::string text) {
    if (flag == kLogFlagError && kErrorsWrittenLater) {
        hub().writeLater(levelForFlag(flag), std::move(text));
    } else {
        hub().writeNow(levelForFlag(flag), text);
    }
}

void writeAll(std::vector<LogRepeats::Line> lines) {
    for (auto& line : lines) {
        writeLine(line.flag, std::move(line.text));
    }
}

}  // namespace

void Log::write(int flag, const char* file, const char* function, int line, std::string message) {
    auto text = fmt::format("{}:{} {}: {}", baseName(file), line, function, message);
    // Warnings and errors come in bursts (every tile of a broken layer, every retry): each burst is told once.
    if (flag == kLogFlagWarn || flag == kLogFlagError) {
        std::vector<LogRepeats::Line> due;
        const bool admitted = hub().repeats.admit(file, line, flag, text, Clock::shared()->now(), due);
        writeAll(std::move(due));
        if (!admitted) {
            return;
        }
    }
    writeLine(flag, std::move(text));
}

void Log::addConsoleLogger() {
    auto& logHub = hub();
    std::lock_guard lock(logHub.consoleMutex);
    if (!logHub.console) {
        logHub.console = std::make_shared<spdlog::sinks::stderr_color_sink_mt>();
        auto formatter = std::make_unique<spdlog::pattern_formatter>();
        formatter->add_flag<PrintableMessageFlag>('*').set_pattern("%Y-%m-%d %H:%M:%S.%e %^%l%$ %*");
        logHub.console->set_formatter(std::move(formatter));
        logHub.addSink(logHub.console);
    }
}

void Log::removeConsoleLogger() {
    auto& logHub = hub();
    std::lock_guard lock(logHub.consoleMutex);
    if (logHub.console) {
        logHub.removeSink(logHub.console);
        logHub.console.reset();
    }
}

void Log::addMemoryLogger(const std::shared_ptr<MemoryLogger>& logger) {
    if (logger) {
        hub().addSink(logger->sink());
    }
}

void Log::removeMemoryLogger(const std::shared_ptr<MemoryLogger>& logger) {
    if (logger) {
        hub().removeSink(logger->sink());
    }
}

void Log::flush() {
    writeAll(hub().repeats.finish());
    hub().flush();
}

}  // namespace platform
