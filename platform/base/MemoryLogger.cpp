#include "platform/base/MemoryLogger.h"

#include <deque>
#include <mutex>

#include <spdlog/sinks/base_sink.h>

namespace platform {

namespace {

// The lines under the sink's own lock, which spdlog also takes around every line it hands over.
class LineBufferSink final : public spdlog::sinks::base_sink<std::mutex> {
public:
    std::vector<std::string> lines() {
        std::lock_guard lock(mutex_);
        return {m_lines.begin(), m_lines.end()};
    }
    std::size_t maxLines() {
        std::lock_guard lock(mutex_);
        return m_maxLines;
    }
    void setMaxLines(std::size_t maxLines) {
        std::lock_guard lock(mutex_);
        m_maxLines = maxLines;
        trim();
    }

protected:
    void sink_it_(const spdlog::details::log_msg& message) override {
        m_lines.emplace_back(message.payload.data(), message.payload.size());
        trim();
    }
    void flush_() override {}

private:
    void trim() {
        while (m_lines.size() > m_maxLines) {
            m_lines.pop_front();
        }
    }

    std::deque<std::string> m_lines;
    std::size_t m_maxLines = MemoryLogger::kDefaultMaxBufferLines;
};

LineBufferSink& buffer(const std::shared_ptr<spdlog::sinks::sink>& sink) { return static_cast<LineBufferSink&>(*sink); }

}  // namespace

MemoryLogger::MemoryLogger() : m_sink(std::make_shared<LineBufferSink>()) {}

std::vector<std::string> MemoryLogger::lines() const { return buffer(m_sink).lines(); }

std::size_t MemoryLogger::maxBufferLines() const { return buffer(m_sink).maxLines(); }

void MemoryLogger::setMaxBufferLines(std::size_t maxBufferLines) { buffer(m_sink).setMaxLines(maxBufferLines); }

}  // namespace platform
