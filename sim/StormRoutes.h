#pragma once

#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace qovsim {

// The active tropical storms:
//   GET /wxdata/currtrop/get.js?key=..   a list of the active storms: an Atlantic and an eastern Pacific storm
//       moving along repeating tracks, their strength, position and advisory times following "now"
// The number of active storms is a switch of the service (2 at start):
//   GET /admin/storms                     {"active": N}
//   POST /admin/storms?active=N           N from 0 (no storms: an empty list) to 2; anything else answers 400
void addStormRoutes(Router& router, const SimEnvironment& environment);

}  // namespace qovsim
