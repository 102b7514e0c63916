#include "platform/base/LogRepeats.h"

#include <fmt/format.h>

namespace platform {

LogRepeats::Line LogRepeats::told(const Burst& burst) {
    return Line{burst.flag, fmt::format("{} [{} more like this within {:g} s]", burst.latest, burst.more, kSpan)};
}

bool LogRepeats::admit(const char* file, int line, int flag, const std::string& text, Date now,
                       std::vector<Line>& due) {
    std::lock_guard lock(m_mutex);
    for (auto burst = m_bursts.begin(); burst != m_bursts.end();) {
        // A clock set back (a test's fresh manual clock) ends a burst as well.
        const double age = now.timeIntervalSince(burst->second.start);
        if (age >= kSpan || age < 0.0) {
            if (burst->second.more > 0) {
                due.push_back(told(burst->second));
            }
            burst = m_bursts.erase(burst);
        } else {
            ++burst;
        }
    }
    const auto [burst, first] = m_bursts.try_emplace({file, line}, Burst{now, flag, 0, {}});
    if (first) {
        return true;
    }
    ++burst->second.more;
    burst->second.flag = flag;
    burst->second.latest = text;
    return false;
}

std::vector<LogRepeats::Line> LogRepeats::finish() {
    std::lock_guard lock(m_mutex);
    std::vector<Line> due;
    for (const auto& [place, burst] : m_bursts) {
        if (burst.more > 0) {
            due.push_back(told(burst));
        }
    }
    m_bursts.clear();
    return due;
}

}  // namespace platform
