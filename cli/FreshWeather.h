#pragma once

#include <functional>
#include <memory>

namespace qov {
class WeatherSummaryJob;
}

namespace qovcli {

// Runs the main loop until done() holds or the seconds (real time) have passed; answers done().
bool runMainLoopUntil(const std::function<bool()>& done, double seconds);

// Starts the job and runs the main loop until it has fresh weather, a failed request is announced through the
// error registry, or the seconds have passed. Answers whether fresh weather arrived.
bool awaitFreshWeather(const std::shared_ptr<qov::WeatherSummaryJob>& job, double seconds);

}  // namespace qovcli
