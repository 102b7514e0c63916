#include "app/shell/locations/LocationAnswers.h"

#include "app/core/model/QOVLocationIdentity.h"

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

}  // namespace qov
