#include "app/maps/datasource/FailedTileBackOff.h"

#include <algorithm>

#include "platform/base/Clock.h"

namespace qov {

bool FailedTileBackOff::mayAsk(const std::string& tile) const {
    const auto pause = m_pauses.find(tile);
    return pause == m_pauses.end() || platform::Clock::shared()->now() >= pause->second.ends;
}

void FailedTileBackOff::failed(const std::string& tile, std::uint64_t askedInGeneration) {
    if (askedInGeneration != m_generation) {
        return;
    }
    const platform::Date now = platform::Clock::shared()->now();
    // Tiles nobody asked for again long after their pause: the next failure of one is its first.
    std::erase_if(m_pauses,
                  [&](const auto& entry) { return now.timeIntervalSince(entry.second.ends) > kLongestPause; });
    Pause& pause = m_pauses[tile];
    pause.seconds = pause.seconds > 0.0 ? std::min(pause.seconds * 2.0, kLongestPause) : kFirstPause;
    pause.ends = now.addingTimeInterval(pause.seconds);
}

void FailedTileBackOff::succeeded(const std::string& tile) { m_pauses.erase(tile); }

void FailedTileBackOff::forgetAll() {
    m_pauses.clear();
    ++m_generation;
}

}  // namespace qov
