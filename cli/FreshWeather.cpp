#include "cli/FreshWeather.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/error/QOVError.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/RunLoop.h"

namespace qovcli {

void aimDataServiceAt(const std::string& host) {
    const auto client = std::make_shared<qov::DS2JSONDatasource>();
    client->setDataServiceHosts(host, host);
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(client);
    qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(client);
}

bool awaitFreshWeather(const std::shared_ptr<qov::WeatherSummaryJob>& job, double seconds) {
    bool failed = false;
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(&failed, qov::QOVError::kFiredNotification,
                       [&failed](const platform::Notification&) { failed = true; });
    job->start();
    platform::RunLoop::main().runUntil(seconds, [&] { return failed || job->isAnswered(); });
    center.removeObserver(&failed);
    return job->hasFreshWeather();
}

}  // namespace qovcli
