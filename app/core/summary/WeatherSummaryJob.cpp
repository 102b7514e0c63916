#include "app/core/summary/WeatherSummaryJob.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/model/QOVLocation.h"

namespace qov {

WeatherSummaryJob::WeatherSummaryJob(std::shared_ptr<ApplicationCache> cache,
                                     std::shared_ptr<QOVLocationIdentity> identity)
    : m_cache(std::move(cache)), m_identity(std::move(identity)) {}

WeatherSummaryJob::~WeatherSummaryJob() { m_cache->stopListeningForDelegate(this); }

void WeatherSummaryJob::start() {
    m_cache->startListeningForLocationId(m_identity, shared_from_this());
    m_started = true;
}

bool WeatherSummaryJob::hasFreshLocation() const { return m_location && !m_location->isStale(); }

bool WeatherSummaryJob::hasFreshWeather() const {
    return hasFreshLocation() && m_location->currentConditions() != nullptr;
}

void WeatherSummaryJob::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        return;
    }
    m_location = location;
    if (m_started) {
        m_answered = true;
    } else if (location->isStale()) {
        // The cached record, answered while registering.
        if (const auto source = m_cache->datasource()) {
            source->requestLocation(*m_identity);
        }
    }
}

}  // namespace qov
