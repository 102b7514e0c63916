#include "cli/WeatherSummary.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/CurrentLocationForRunner.h"
#include "cli/FreshWeather.h"
#include "cli/ServiceConnection.h"
#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "app/core/summary/WeatherSummaryText.h"

namespace qovcli {

namespace {

constexpr double kTimeOutSeconds = 30.0;

}  // namespace

int runWeatherSummary(const std::string& serviceUrl, const std::optional<std::string>& gps, std::ostream& out,
                      std::ostream& err) {
    ServiceConnection service;
    if (const auto result = service.connect(serviceUrl, err); result != ServiceConnection::Result::Connected) {
        return ServiceConnection::exitStatus(result);
    }
    const auto cache = qov::ApplicationCacheFactory::sharedInstance().cache();

    const auto place = currentLocationForRunner(gps, err);
    int status = place ? EXIT_FAILURE : 2;
    if (place) {
        const auto job = std::make_shared<qov::WeatherSummaryJob>(cache, place);
        awaitFreshWeather(job, kTimeOutSeconds);
        if (const auto location = job->location()) {
            out << qov::WeatherSummaryText::summaryOf(*location);
        }
        if (job->hasFreshLocation()) {
            status = EXIT_SUCCESS;
        } else {
            err << "qovara: no fresh weather for " << place->identifierAsString() << " from http://" << service.host()
                << "\n";
        }
    }
    return status;
}

}  // namespace qovcli
