#include "cli/WeatherSummary.h"

#include <cstdlib>
#include <memory>

#include "cli/CurrentLocationForRunner.h"
#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/error/QOVError.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "app/core/summary/WeatherSummaryText.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/PrintableText.h"
#include "platform/base/RunLoop.h"

namespace qovcli {

namespace {

constexpr double kTimeOutSeconds = 30.0;

}  // namespace

int runWeatherSummary(const std::string& host, const std::optional<platform::geo::Coordinate>& gps,
                      std::ostream& out, std::ostream& err) {
    const auto client = std::make_shared<qov::DS2JSONDatasource>();
    client->setDataServiceHosts(host, host);
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(client);
    const auto cache = qov::ApplicationCacheFactory::sharedInstance().cache();
    cache->setDatasource(client);

    int status = EXIT_FAILURE;
    if (const auto place = currentLocationForRunner(gps, err)) {
        const auto job = std::make_shared<qov::WeatherSummaryJob>(cache, place);
        // A failed request is announced through the error registry: stop waiting then.
        bool failed = false;
        auto& center = platform::NotificationCenter::defaultCenter();
        center.addObserver(&failed, qov::QOVError::kFiredNotification,
                           [&failed](const platform::Notification&) { failed = true; });
        job->start();
        platform::RunLoop::main().runUntil(kTimeOutSeconds, [&] { return failed || job->hasFreshLocation(); });
        center.removeObserver(&failed);
        if (const auto location = job->location()) {
            out << qov::WeatherSummaryText::summaryOf(*location);
        }
        if (job->hasFreshLocation()) {
            status = EXIT_SUCCESS;
        } else {
            err << "qovara: no fresh weather for " << platform::printableText(place->identifierAsString())
                << " from http://" << host << "\n";
        }
    }
    return status;
}

}  // namespace qovcli
