#include "platform/geo/ScriptedPositionSource.h"

#include "platform/base/Clock.h"

namespace platform::geo {

std::shared_ptr<PositionFix> ScriptedPositionSource::pushFix(Coordinate coordinate, double horizontalAccuracy) {
    if (!isAllowed()) {
        return nullptr;
    }
    auto fix = std::make_shared<PositionFix>(coordinate, horizontalAccuracy, Clock::shared()->now());
    deliverFix(fix);
    return fix;
}

void ScriptedPositionSource::pushError(PositionError error) { deliverError(std::move(error)); }

void ScriptedPositionSource::onStartUpdating() {
    ++m_calls.startUpdating;
    if (!isAllowed()) {
        deliverError(PositionError::denied());
    }
}

void ScriptedPositionSource::onStartMonitoring() {
    ++m_calls.startMonitoring;
    if (!isAllowed()) {
        deliverError(PositionError::denied());
    }
}

}  // namespace platform::geo
