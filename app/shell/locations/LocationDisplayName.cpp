#include "app/shell/locations/LocationDisplayName.h"

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVTypeAheadLocation.h"

namespace qov {

std::string locationDisplayName(const QOVLocationIdentity& location) {
    if (const auto* match = dynamic_cast<const QOVTypeAheadLocation*>(&location)) {
        return match->displayName();
    }
    if (const auto* place = dynamic_cast<const QOVLocation*>(&location)) {
        return place->displayName();
    }
    if (location.userNickname() && !location.userNickname()->empty()) {
        return *location.userNickname();
    }
    return location.key().value_or("");
}

}  // namespace qov
