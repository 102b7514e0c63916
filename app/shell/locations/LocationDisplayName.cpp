#include "app/shell/locations/LocationDisplayName.h"

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVTypeAheadLocation.h"

namespace qov {

namespace {

std::string joinPlace(const std::string& city, const std::string& state, const std::string& country,
                      const std::string& countryCode) {
    if (!state.empty()) {
        return city + ", " + state;
    }
    if (countryCode != "US" && !country.empty()) {
        return city + ", " + country;
    }
    return city;
}

}  // namespace

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

std::string locationCityAndState(const QOVLocationIdentity& location) {
    if (const auto* match = dynamic_cast<const QOVTypeAheadLocation*>(&location)) {
        const std::string& city = match->city().empty() ? match->name() : match->city();
        if (!city.empty()) {
            return joinPlace(city, match->state(), match->country(), match->countryCode());
        }
    } else if (const auto* place = dynamic_cast<const QOVLocation*>(&location); place && !place->city().empty()) {
        return joinPlace(place->city(), place->state(), place->country(), place->countryCode());
    }
    return location.key().value_or("");
}

}  // namespace qov
