#pragma once

#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace qovsim {

// The location searches that the location routes do not answer:
//   GET /wxdata/ta/TEXT.js?max=N&locType=4,1&key=..   type-ahead: the gazetteer places of the listed types whose
//       name, city or postal code starts with TEXT (letter case ignored), at most N (10 by default), as
//       {"errors": [], "results": [...]}; a "max" or "locType" that is not a number list answers an error entry
//   GET /wxdata/loc/get.js?lat=..&lng=..&key=..       the location record of the nearest city; coordinates that
//       are missing or off the globe answer the service's error record
// (Postal codes, "/wxdata/loc/ZIP:4.js", are location identifiers and answered by the weather routes.)
void addSearchRoutes(Router& router, const SimEnvironment& environment);

}  // namespace qovsim
