#pragma once

#include <memory>
#include <string>

namespace qov {
class WeatherSummaryJob;
}

namespace qovcli {

// Installs a data-service client aimed at host ("HOST:PORT") in QOVDatasourceFactory and the application cache;
// it stays installed for the screens.
void aimDataServiceAt(const std::string& host);

// Starts the job and runs the main loop until it is answered (WeatherSummaryJob::isAnswered), a failed request is
// announced through the error registry, or the seconds have passed on the loop's clock. Answers whether fresh weather
// arrived: a fresh record that carries current conditions (WeatherSummaryJob::hasFreshWeather), for the screen as for
// --summary.
bool awaitFreshWeather(const std::shared_ptr<qov::WeatherSummaryJob>& job, double seconds);

}  // namespace qovcli
