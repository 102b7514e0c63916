#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/Log.h"

namespace qovtest {

// Collects every line logged while it lives, from any thread, for tests that check what was logged.
class LogCapture {
public:
    // Bursts still under way from earlier are told (and ended) before it starts collecting.
    LogCapture() {
        platform::Log::flush();
        platform::Log::addMemoryLogger(m_logger);
    }
    ~LogCapture() { platform::Log::removeMemoryLogger(m_logger); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The lines so far, once the log's writer has caught up.
    std::vector<std::string> lines() const {
        platform::Log::flush();
        return m_logger->lines();
    }
    bool contains(std::string_view text) const {
        const auto all = lines();
        return std::any_of(all.begin(), all.end(),
                           [&](const std::string& line) { return line.find(text) != line.npos; });
    }

private:
    std::shared_ptr<platform::MemoryLogger> m_logger = std::make_shared<platform::MemoryLogger>();
};

}  // namespace qovtest
