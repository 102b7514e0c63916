#pragma once

#include <memory>

#include "platform/geo/Coordinate.h"
#include "platform/geo/PositionSource.h"

namespace platform::geo {

// A position source for tests: the test pushes fixes and errors and switches location services and the
// user's permission. Starting while location services are off or access is denied answers the denied error
// (on the next turn), as the device does; fixes pushed then are dropped. It records the calls it receives.
class ScriptedPositionSource final : public PositionSource {
public:
    struct Calls {
        int startUpdating = 0;
        int stopUpdating = 0;
        int startMonitoring = 0;
        int stopMonitoring = 0;
    };

    static constexpr double kDefaultHorizontalAccuracy = 5.0;

    bool locationServicesEnabled() const override { return m_enabled; }
    void setLocationServicesEnabled(bool enabled) { m_enabled = enabled; }
    bool significantLocationChangeMonitoringAvailable() const override { return m_significantChangesAvailable; }
    void setSignificantLocationChangeMonitoringAvailable(bool available) { m_significantChangesAvailable = available; }
    bool isAuthorizationDenied() const { return m_denied; }
    void setAuthorizationDenied(bool denied) { m_denied = denied; }

    // A fix at the coordinate, timestamped now, handed to the delegate on the next turn if the source is still
    // active then. Answers the fix, or nullptr when it was dropped (location services off or access denied).
    std::shared_ptr<PositionFix> pushFix(Coordinate coordinate, double horizontalAccuracy = kDefaultHorizontalAccuracy);
    // Hands the error to the delegate on the next turn if the source is still active then.
    void pushError(PositionError error);

    const Calls& calls() const { return m_calls; }

private:
    void onStartUpdating() override;
    void onStopUpdating() override { ++m_calls.stopUpdating; }
    void onStartMonitoring() override;
    void onStopMonitoring() override { ++m_calls.stopMonitoring; }
    bool isAllowed() const { return m_enabled && !m_denied; }

    bool m_enabled = true;
    bool m_significantChangesAvailable = true;
    bool m_denied = false;
    Calls m_calls;
};

}  // namespace platform::geo
