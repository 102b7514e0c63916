#include "cli/WeatherSummary.h"

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <regex>

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
#include "platform/base/RunLoop.h"
#include "sim/SimServer.h"

namespace qovcli {

namespace {

constexpr std::chrono::seconds kTimeOut{30};

// "http://HOST[:PORT][/]" → "HOST[:PORT]"; the client speaks plain HTTP to the host it is given.
std::optional<std::string> hostOf(const std::string& serviceUrl) {
    static const std::regex pattern(R"(^http://([A-Za-z0-9.\-]+(:[0-9]{1,5})?)/?$)");
    std::smatch match;
    if (!std::regex_match(serviceUrl, match, pattern)) {
        return std::nullopt;
    }
    return match[1].str();
}

}  // namespace

int runWeatherSummary(const std::string& serviceUrl, const std::optional<std::string>& gps, std::ostream& out,
                      std::ostream& err) {
    std::unique_ptr<qovsim::SimServer> embedded;
    std::string host;
    if (serviceUrl.empty()) {
        embedded = std::make_unique<qovsim::SimServer>();
        if (!embedded->start()) {
            err << "qovara: the embedded weather service could not start\n";
            return EXIT_FAILURE;
        }
        host = "127.0.0.1:" + std::to_string(embedded->port());
    } else if (const auto given = hostOf(serviceUrl)) {
        host = *given;
    } else {
        err << "qovara: --service takes an address like http://127.0.0.1:8080, not " << serviceUrl << "\n";
        return 2;
    }

    const auto client = std::make_shared<qov::DS2JSONDatasource>();
    client->setDataServiceHosts(host, host);
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(client);
    const auto cache = qov::ApplicationCacheFactory::sharedInstance().cache();
    cache->setDatasource(client);

    const auto place = currentLocationForRunner(gps, err);
    int status = place ? EXIT_FAILURE : 2;
    if (place) {
        const auto job = std::make_shared<qov::WeatherSummaryJob>(cache, place);
        // A failed request is announced through the error registry: stop waiting then.
        bool failed = false;
        auto& center = platform::NotificationCenter::defaultCenter();
        center.addObserver(&failed, qov::QOVError::kFiredNotification,
                           [&failed](const platform::Notification&) { failed = true; });
        job->start();
        const auto deadline = std::chrono::steady_clock::now() + kTimeOut;
        while (!job->hasFreshLocation() && !failed && std::chrono::steady_clock::now() < deadline) {
            platform::RunLoop::main().runFor(0.05);
        }
        center.removeObserver(&failed);
        if (const auto location = job->location()) {
            out << qov::WeatherSummaryText::summaryOf(*location);
        }
        if (job->hasFreshLocation()) {
            status = EXIT_SUCCESS;
        } else {
            err << "qovara: no fresh weather for " << place->identifierAsString() << " from http://" << host << "\n";
        }
    }
    client->cancelAllRequests();
    if (embedded) {
        embedded->stop();
    }
    return status;
}

}  // namespace qovcli
