#include "cli/WeatherSummary.h"

#include <cstdlib>
#include <memory>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "app/core/summary/WeatherSummaryText.h"
#include "cli/CurrentLocationForRunner.h"
#include "cli/FreshWeather.h"
#include "platform/base/PrintableText.h"

namespace qovcli {

namespace {

constexpr double kTimeOutSeconds = 30.0;

}  // namespace

int runWeatherSummary(const std::string& host, const std::optional<platform::geo::Coordinate>& gps, std::ostream& out,
                      std::ostream& err) {
    aimDataServiceAt(host);
    const auto cache = qov::ApplicationCacheFactory::sharedInstance().cache();

    int status = EXIT_FAILURE;
    if (const auto place = currentLocationForRunner(gps, err)) {
        const auto job = std::make_shared<qov::WeatherSummaryJob>(cache, place);
        const bool fresh = awaitFreshWeather(job, kTimeOutSeconds);
        if (const auto location = job->location()) {
            out << qov::WeatherSummaryText::summaryOf(*location);
        }
        if (fresh) {
            status = EXIT_SUCCESS;
        } else {
            err << "qovara: no fresh weather for " << platform::printableText(place->identifierAsString())
                << " from http://" << host << "\n";
        }
    }
    return status;
}

}  // namespace qovcli
