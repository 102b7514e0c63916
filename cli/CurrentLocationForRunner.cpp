#include "cli/CurrentLocationForRunner.h"

#include <chrono>

#include "app/core/location/DefaultLocation.h"
#include "app/core/location/GpsFixJob.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/RunLoop.h"
#include "platform/geo/FixedPositionSource.h"

namespace qovcli {

std::shared_ptr<qov::QOVLocationIdentity> currentLocationForRunner(const std::optional<std::string>& gps,
                                                                   std::ostream& err, double timeOutSeconds) {
    std::optional<platform::geo::Coordinate> coordinate;
    if (gps) {
        coordinate = qov::GpsFixJob::parseCoordinate(*gps);
        if (!coordinate) {
            err << "qovara: --gps takes LAT,LON in degrees (such as 33.749,-84.388), not " << *gps << "\n";
            return nullptr;
        }
    }
    const auto manager = qov::QOVLocationManager::sharedManager();
    qov::DefaultLocation::installIfNoneIsCurrent(*manager);
    if (!coordinate) {
        return manager->currentLocation();
    }

    const auto fixed = std::dynamic_pointer_cast<platform::geo::FixedPositionSource>(
        platform::geo::PositionSource::shared());
    qov::GpsFixJob job(manager, fixed);
    if (!job.start(*coordinate)) {
        err << "qovara: the device's position source does not take a coordinate\n";
        return manager->currentLocation();
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeOutSeconds);
    while (!job.isFinished() && std::chrono::steady_clock::now() < deadline) {
        platform::RunLoop::main().runFor(0.05);
    }
    if (!job.succeeded()) {
        err << "qovara: no place found at " << *gps << "; staying at "
            << manager->currentLocation()->identifierAsString() << "\n";
    }
    return manager->currentLocation();
}

}  // namespace qovcli
