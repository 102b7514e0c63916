#include "tests/support/PumpUntil.h"

#include <chrono>
#include <thread>

#include "platform/base/RunLoop.h"

namespace qovtest {

bool pumpUntil(const std::function<bool()>& condition, double timeoutSeconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeoutSeconds));
    platform::RunLoop& loop = platform::RunLoop::main();
    while (!condition()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        if (!loop.clock()->isManual()) {
            loop.runFor(0.01);
        } else if (loop.runUntilIdle() == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    return true;
}

}  // namespace qovtest
