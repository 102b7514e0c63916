#pragma once

#include <memory>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"

namespace qov {

class ApplicationCache;
class QOVLocationIdentity;

// The runner's job: listens through the application cache for one location until the service has answered for
// it. The cache answers at once from its file, whatever the age; an answer that is stale (over 300 s old) is
// kept, and the location is asked of the data source once, so that the fresher answer replaces it. The caller
// runs the main loop until isAnswered() or its own deadline, then asks hasFreshWeather().
class WeatherSummaryJob : public ApplicationCacheLocationChangedDelegate,
                          public std::enable_shared_from_this<WeatherSummaryJob> {
public:
    WeatherSummaryJob(std::shared_ptr<ApplicationCache> cache, std::shared_ptr<QOVLocationIdentity> identity);
    ~WeatherSummaryJob() override;
    WeatherSummaryJob(const WeatherSummaryJob&) = delete;
    WeatherSummaryJob& operator=(const WeatherSummaryJob&) = delete;

    // Registers with the cache (the job must be owned by a std::shared_ptr).
    void start();

    // The latest answer, fresh or not, or nullptr.
    std::shared_ptr<QOVLocation> location() const { return m_location; }
    // Whether the latest answer is fresh: the service has answered (or the cache held a recent record).
    bool hasFreshLocation() const;
    // Whether the wait is over: the answer is fresh, or a record was stored after the job started (the service's
    // answer, fresh or not: a bare place of unknown age when its weather did not parse).
    bool isAnswered() const { return m_answered || hasFreshLocation(); }
    // Whether that fresh answer is weather: a record that carries current conditions (a bare place record, all
    // a service may send when its weather does not parse, is not).
    bool hasFreshWeather() const;

    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;

private:
    std::shared_ptr<ApplicationCache> m_cache;
    std::shared_ptr<QOVLocationIdentity> m_identity;
    std::shared_ptr<QOVLocation> m_location;
    bool m_started = false;
    bool m_answered = false;
};

}  // namespace qov
