#include "platform/geo/PositionSource.h"

#include <mutex>

#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"
#include "platform/geo/FixedPositionSource.h"

namespace platform::geo {

namespace {

ProcessSlot<PositionSource>& sharedSource() {
    static ProcessSlot<PositionSource> slot;
    return slot;
}

}  // namespace

PositionSource::PositionSource() = default;
PositionSource::~PositionSource() = default;

std::shared_ptr<PositionSource> PositionSource::shared() {
    return sharedSource().instance(
        []() -> std::shared_ptr<PositionSource> { return std::make_shared<FixedPositionSource>(); });
}

void PositionSource::setShared(std::shared_ptr<PositionSource> source) { sharedSource().exchange(std::move(source)); }

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
