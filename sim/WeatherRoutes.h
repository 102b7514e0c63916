#pragma once

#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace qovsim {

// The weather documents of every gazetteer place:
//   GET /wxdata/mobile/mobagg/KEY:TYPE.js   the location aggregate
//   GET /wxdata/loc/KEY:TYPE.js             the location record alone
//   GET /wxdata/marine/KEY:TYPE.js          marine forecasts and tides
// An identifier the gazetteer does not hold answers the service's error record (status 200, as the service does).
void addWeatherRoutes(Router& router, const SimEnvironment& environment);

}  // namespace qovsim
