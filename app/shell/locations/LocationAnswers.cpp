#include "app/shell/locations/LocationAnswers.h"

#include "app/core/model/QOVLocationIdentity.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/net/Reachability.h"

namespace qov {

std::vector<std::shared_ptr<QOVLocationIdentity>> locationsOfAnswer(const platform::Value& answer) {
    std::vector<std::shared_ptr<QOVLocationIdentity>> locations;
    if (const auto* list = answer.ifArray()) {
        for (const auto& element : *list) {
            if (auto location = element.object<QOVLocationIdentity>()) {
                locations.push_back(std::move(location));
            }
        }
    }
    return locations;
}

std::string noLocationFoundMessage() {
    return localized(platform::net::Reachability::shared()->isReachable() ? "locationsearch.error.nolocation"
                                                                          : "locationsearch.error.nonetwork");
}

}  // namespace qov
