#pragma once

#include <cstdint>
#include <memory>

#include "platform/geo/PositionError.h"
#include "platform/geo/PositionFix.h"
#include "platform/geo/PositionSourceDelegate.h"

namespace platform::geo {

// Stands in for the platform's location manager: it is switched on by starting location updates or
// significant-change monitoring and then reports fixes and errors to its delegate (held weakly), always on a
// later turn of the main run loop. A delivery reaches the delegate only while the source is still active in
// the same run it was made for: stopping both modes drops the deliveries still on their way. Subclasses
// decide where fixes come from. Main thread only.
class PositionSource {
public:
    // The desired accuracy that asks for the best the source can do (the default).
    static constexpr double kAccuracyBest = -1.0;

    virtual ~PositionSource();
    PositionSource(const PositionSource&) = delete;
    PositionSource& operator=(const PositionSource&) = delete;

    // The process source: a FixedPositionSource unless the runner or a test installed another one.
    static std::shared_ptr<PositionSource> shared();
    // Replaces the process source; nullptr has a fresh FixedPositionSource made on the next shared().
    static void setShared(std::shared_ptr<PositionSource> source);

    // Whether the user has location services switched on for the device.
    virtual bool locationServicesEnabled() const = 0;
    // Whether significant-change monitoring is offered.
    virtual bool significantLocationChangeMonitoringAvailable() const = 0;

    std::shared_ptr<PositionSourceDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<PositionSourceDelegate> delegate) { m_delegate = std::move(delegate); }

    // Metres; kAccuracyBest asks for the best available.
    double desiredAccuracy() const { return m_desiredAccuracy; }
    void setDesiredAccuracy(double metres) { m_desiredAccuracy = metres; }

    // Starting again while started asks for a fresh answer.
    void startUpdatingLocation();
    void stopUpdatingLocation();
    bool isUpdatingLocation() const { return m_updating; }

    void startMonitoringSignificantLocationChanges();
    void stopMonitoringSignificantLocationChanges();
    bool isMonitoringSignificantLocationChanges() const { return m_monitoring; }

    // The last fix handed to the delegate, or nullptr before the first.
    const std::shared_ptr<PositionFix>& location() const { return m_location; }

protected:
    PositionSource();

    // Run after each start or stop call (also one that changes nothing), for the subclass to answer.
    virtual void onStartUpdating() {}
    virtual void onStopUpdating() {}
    virtual void onStartMonitoring() {}
    virtual void onStopMonitoring() {}

    bool isActive() const { return m_updating || m_monitoring; }
    // Hand a fix or an error to the delegate on a later main-loop turn (see the class comment).
    void deliverFix(std::shared_ptr<PositionFix> fix);
    void deliverError(PositionError error);

private:
    // Drops the deliveries under way when the source has just become inactive.
    void stopped();
    // Runs work on a later turn if the source still exists and is active in the same run by then.
    template <typename Work>
    void postWhileActive(Work work);

    std::weak_ptr<PositionSourceDelegate> m_delegate;
    double m_desiredAccuracy = kAccuracyBest;
    bool m_updating = false;
    bool m_monitoring = false;
    // Counts the times the source became inactive; a delivery belongs to the run it was made in.
    std::uint64_t m_run = 0;
    std::shared_ptr<PositionFix> m_location;
    // Alive as long as the source: posted work holds it weakly to know the source still exists.
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

}  // namespace platform::geo
