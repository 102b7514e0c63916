#include "cli/CurrentLocationForRunner.h"

#include <fmt/format.h>

#include "app/core/location/DefaultLocation.h"
#include "app/core/location/GpsFixJob.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/RunLoop.h"
#include "platform/geo/FixedPositionSource.h"

namespace qovcli {

std::shared_ptr<qov::QOVLocationIdentity> currentLocationForRunner(const std::optional<platform::geo::Coordinate>& gps,
                                                                   std::ostream& err, double timeOutSeconds) {
    const auto manager = qov::QOVLocationManager::sharedManager();
    qov::DefaultLocation::installIfNoneIsCurrent(*manager);
    if (!gps) {
        return manager->currentLocation();
    }
    const std::string place = fmt::format("{},{}", gps->latitude, gps->longitude);
    const auto fixed =
        std::dynamic_pointer_cast<platform::geo::FixedPositionSource>(platform::geo::PositionSource::shared());
    qov::GpsFixJob job(manager, fixed);
    if (!job.start(*gps)) {
        // Whole lines at once: the log writes to the same stream from other threads.
        err << "qovara: the device's position source does not take the coordinate " + place + "\n";
        return nullptr;
    }
    platform::RunLoop::main().runUntil(timeOutSeconds, [&job] { return job.isFinished(); });
    if (!job.succeeded()) {
        err << "qovara: no place found at " + place + (job.isFinished() ? "" : " in time") + "\n";
        return nullptr;
    }
    return manager->currentLocation();
}

}  // namespace qovcli
