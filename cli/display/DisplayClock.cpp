#include "cli/display/DisplayClock.h"

#include <cmath>

namespace qovcli {

platform::Date DisplayClock::now() const { return m_realTime.now().addingTimeInterval(m_ahead.load()); }

void DisplayClock::jump(double seconds) {
    if (std::isfinite(seconds) && seconds > 0.0) {
        m_ahead.store(m_ahead.load() + seconds);
    }
}

}  // namespace qovcli
