#pragma once

#include <atomic>
#include <memory>
#include <string>

#include <fmt/format.h>

#include "platform/base/MemoryLogger.h"

namespace platform {

// Six flag bits. A source file's level mask (3, 7, 15, 31 or 63) says which of them it writes.
// Flag 2 is written asynchronously; the others synchronously.
enum LogFlag : int {
    kLogFlagFatal = 1,
    kLogFlagError = 2,
    kLogFlagWarn = 4,
    kLogFlagInfo = 8,
    kLogFlagDebug = 16,
    kLogFlagVerbose = 32,
};

// The level mask of one source file; some files change theirs at run time (test mode).
class FileLogLevel {
public:
    constexpr explicit FileLogLevel(int mask) : m_mask(mask) {}
    int mask() const { return m_mask.load(std::memory_order_relaxed); }
    void setMask(int mask) { m_mask.store(mask, std::memory_order_relaxed); }
    bool allows(int flag) const { return (mask() & flag) != 0; }

private:
    std::atomic<int> m_mask;
};

// The process-wide log: no logger is attached until someone adds one (the application adds the console). It is
// never destroyed, so threads may log while the process exits; flush() runs at exit.
// A burst of warnings or errors from one place in the code is written as its first line and, once the burst is
// over (or at flush()), one line with the count and the latest of them (LogRepeats, on the process clock).
class Log {
public:
    static void write(int flag, const char* file, const char* function, int line, std::string message);

    static void addConsoleLogger();
    static void removeConsoleLogger();
    static void addMemoryLogger(const std::shared_ptr<MemoryLogger>& logger);
    static void removeMemoryLogger(const std::shared_ptr<MemoryLogger>& logger);
    // Writes the counts of the bursts under way and waits until every asynchronous line logged before the call has
    // reached the attached loggers.
    static void flush();
};

}  // namespace platform

// Declares the level mask of the source file it appears in (at namespace scope, once per .cpp).
#define QOV_LOG_LEVEL(mask)                                          \
    namespace {                                                      \
    [[maybe_unused]] ::platform::FileLogLevel qovFileLogLevel{mask}; \
    }

#define QOV_LOG(flag, ...)                                                                            \
    do {                                                                                              \
        if (qovFileLogLevel.allows(flag)) {                                                           \
            ::platform::Log::write((flag), __FILE__, __func__, __LINE__, ::fmt::format(__VA_ARGS__)); \
        }                                                                                             \
    } while (false)

#define QOV_LOG_FATAL(...) QOV_LOG(::platform::kLogFlagFatal, __VA_ARGS__)
#define QOV_LOG_ERROR(...) QOV_LOG(::platform::kLogFlagError, __VA_ARGS__)
#define QOV_LOG_WARN(...) QOV_LOG(::platform::kLogFlagWarn, __VA_ARGS__)
#define QOV_LOG_INFO(...) QOV_LOG(::platform::kLogFlagInfo, __VA_ARGS__)
#define QOV_LOG_DEBUG(...) QOV_LOG(::platform::kLogFlagDebug, __VA_ARGS__)
#define QOV_LOG_VERBOSE(...) QOV_LOG(::platform::kLogFlagVerbose, __VA_ARGS__)
