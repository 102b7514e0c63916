#pragma once

#include <functional>

namespace qovtest {

// Runs the main loop until condition() holds or timeoutSeconds of real time have passed; answers whether the
// condition holds. Work posted from other threads (network completions) runs as it arrives. On a system clock
// the loop waits for work in real time; on a manual clock the clock does not move: posted work and timers
// already due run, and the wait for other threads' work is a short poll.
bool pumpUntil(const std::function<bool()>& condition, double timeoutSeconds = 5.0);

}  // namespace qovtest
