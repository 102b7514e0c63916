#pragma once

#include <string>

namespace qov {

class QOVLocationIdentity;

// The name a place is shown under: a type-ahead match's or a location's own display name, else the nickname,
// else the bare key.
std::string locationDisplayName(const QOVLocationIdentity& location);

// "city, state" of a cached location or a type-ahead match. Without a state: "city, country" outside the US
// (when the country is known), else the city alone. A place without a city (a bare identity whose weather is
// not cached yet) shows its key.
std::string locationCityAndState(const QOVLocationIdentity& location);

}  // namespace qov
