#include "platform/geo/PositionSource.h"

#include <mutex>

#include "platform/base/RunLoop.h"
#include "platform/geo/FixedPositionSource.h"

namespace platform::geo {

namespace {

std::mutex& sharedMutex() {
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<PositionSource>& sharedSource() {
    static std::shared_ptr<PositionSource> source;
    return source;
}

}  // namespace

PositionSource::PositionSource() = default;
PositionSource::~PositionSource() = default;

std::shared_ptr<PositionSource> PositionSource::shared() {
    const std::lock_guard lock(sharedMutex());
    if (!sharedSource()) {
        sharedSource() = std::make_shared<FixedPositionSource>();
    }
    return sharedSource();
}

void PositionSource::setShared(std::shared_ptr<PositionSource> source) {
    const std::lock_guard lock(sharedMutex());
    sharedSource() = std::move(source);
}

void PositionSource::startUpdatingLocation() {
    m_updating = true;
    onStartUpdating();
}

void PositionSource::stopUpdatingLocation() {
    const bool wasActive = isActive();
    m_updating = false;
    if (wasActive && !isActive()) {
        stopped();
    }
    onStopUpdating();
}

void PositionSource::startMonitoringSignificantLocationChanges() {
    m_monitoring = true;
    onStartMonitoring();
}

void PositionSource::stopMonitoringSignificantLocationChanges() {
    const bool wasActive = isActive();
    m_monitoring = false;
    if (wasActive && !isActive()) {
        stopped();
    }
    onStopMonitoring();
}

void PositionSource::stopped() { ++m_run; }

template <typename Work>
void PositionSource::postWhileActive(Work work) {
    dispatchMain([this, lifetime = std::weak_ptr<int>(m_lifetime), run = m_run, work = std::move(work)]() mutable {
        // Main thread only: while the lifetime token exists, so does the source.
        if (lifetime.expired() || run != m_run || !isActive()) {
            return;
        }
        work();
    });
}

void PositionSource::deliverFix(std::shared_ptr<PositionFix> fix) {
    if (!fix) {
        return;
    }
    postWhileActive([this, fix = std::move(fix)] {
        const std::shared_ptr<PositionFix> oldFix = m_location;
        m_location = fix;
        if (const auto target = delegate()) {
            target->didUpdateToLocation(*this, fix, oldFix);
        }
    });
}

void PositionSource::deliverError(PositionError error) {
    postWhileActive([this, error = std::move(error)] {
        if (const auto target = delegate()) {
            target->didFailWithError(*this, error);
        }
    });
}

}  // namespace platform::geo
