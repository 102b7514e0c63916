#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "platform/geo/Coordinate.h"

namespace platform::geo {
class FixedPositionSource;
}

namespace qov {

class QOVLocationManager;

// The device runner's "the device is here": puts the coordinate into the fixed position source and asks the
// location manager for a GPS update, which looks the fix up and makes the place found the current location.
// The caller runs the main loop until isFinished() (the manager's succeeded or failed notification) or its own
// deadline.
class GpsFixJob {
public:
    // "LAT,LON" in degrees ("33.749,-84.388"); nullopt for anything else, or a coordinate off the earth.
    static std::optional<platform::geo::Coordinate> parseCoordinate(std::string_view text);

    GpsFixJob(std::shared_ptr<QOVLocationManager> manager,
              std::shared_ptr<platform::geo::FixedPositionSource> positionSource);
    ~GpsFixJob();
    GpsFixJob(const GpsFixJob&) = delete;
    GpsFixJob& operator=(const GpsFixJob&) = delete;

    // Starts the update; false (nothing started) when the source refuses the coordinate.
    bool start(platform::geo::Coordinate coordinate);

    bool isFinished() const { return m_finished; }
    bool succeeded() const { return m_succeeded; }

private:
    std::shared_ptr<QOVLocationManager> m_manager;
    std::shared_ptr<platform::geo::FixedPositionSource> m_positionSource;
    bool m_finished = false;
    bool m_succeeded = false;
};

}  // namespace qov
