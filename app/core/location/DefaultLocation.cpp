#include "app/core/location/DefaultLocation.h"

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"

namespace qov {

std::shared_ptr<QOVLocationIdentity> DefaultLocation::identity() {
    return std::make_shared<QOVLocationIdentity>(1, "USGA0028");
}

bool DefaultLocation::installIfNoneIsCurrent(QOVLocationManager& manager) {
    if (manager.hasValidCurrentLocation()) {
        return false;
    }
    const auto location = identity();
    manager.setCurrentLocation(location);
    manager.addFavoriteLocation(location);
    return true;
}

}  // namespace qov
