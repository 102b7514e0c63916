#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace spdlog::sinks {
class sink;
}

namespace platform {

// Keeps the newest log lines in memory, oldest first, each as it was logged (no time, no level), at most
// maxBufferLines of them (512 unless set; the oldest go first). Attach it with Log::addMemoryLogger.
// Threads: lines are added on the log's writing threads; every operation may be called from any thread.
class MemoryLogger {
public:
    static constexpr std::size_t kDefaultMaxBufferLines = 512;

    MemoryLogger();
    // A snapshot of the lines.
    std::vector<std::string> lines() const;
    std::size_t maxBufferLines() const;
    // Drops the oldest lines beyond the new maximum at once.
    void setMaxBufferLines(std::size_t maxBufferLines);
    const std::shared_ptr<spdlog::sinks::sink>& sink() const { return m_sink; }

private:
    std::shared_ptr<spdlog::sinks::sink> m_sink;
};

}  // namespace platform
