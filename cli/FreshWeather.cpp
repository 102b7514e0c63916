#include "cli/FreshWeather.h"

#include <chrono>

#include "app/core/error/QOVError.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/RunLoop.h"

namespace qovcli {

bool runMainLoopUntil(const std::function<bool()>& done, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        platform::RunLoop::main().runFor(0.02);
    }
    return done();
}

bool awaitFreshWeather(const std::shared_ptr<qov::WeatherSummaryJob>& job, double seconds) {
    bool failed = false;
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(&failed, qov::QOVError::kFiredNotification,
                       [&failed](const platform::Notification&) { failed = true; });
    job->start();
    runMainLoopUntil([&] { return job->hasFreshLocation() || failed; }, seconds);
    center.removeObserver(&failed);
    return job->hasFreshLocation();
}

}  // namespace qovcli
