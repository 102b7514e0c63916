#pragma once

#include <memory>
#include <optional>

#include "platform/geo/Coordinate.h"
#include "platform/geo/PositionSource.h"

namespace platform {
class UserDefaults;
}

namespace platform::geo {

// The application's position source on this platform: the device stands still at one coordinate. Each start
// (of updates or of significant-change monitoring) answers one fix at that coordinate on the next main-loop
// turn, with accuracy kHorizontalAccuracy and the clock's time; with no coordinate it answers the
// location-unknown error instead. Location services are on and significant-change monitoring is available.
//
// The coordinate is the one the runner set, else the user default kCoordinateDefaultsKey: a dictionary with the
// numbers "latitude" and "longitude" in degrees, read at each start.
class FixedPositionSource final : public PositionSource {
public:
    static constexpr const char* kCoordinateDefaultsKey = "PlatformFixedPosition";
    static constexpr double kHorizontalAccuracy = 10.0;

    // defaults: where the setting is read; nullptr reads UserDefaults::standard() at each start.
    explicit FixedPositionSource(std::shared_ptr<UserDefaults> defaults = nullptr);

    bool locationServicesEnabled() const override { return true; }
    bool significantLocationChangeMonitoringAvailable() const override { return true; }

    // The runner: answers this coordinate from now on in place of the setting (nullopt goes back to the
    // setting); an active source answers it at once, like a device that moved. An invalid coordinate is
    // refused (false, logged).
    bool setCoordinate(std::optional<Coordinate> coordinate);
    // The coordinate answered now: the one set, else a valid setting, else nullopt.
    std::optional<Coordinate> coordinate() const;

private:
    void onStartUpdating() override { answer(); }
    void onStartMonitoring() override { answer(); }
    void answer();
    std::optional<Coordinate> coordinateFromDefaults() const;

    std::shared_ptr<UserDefaults> m_defaults;
    std::optional<Coordinate> m_coordinate;
};

}  // namespace platform::geo
