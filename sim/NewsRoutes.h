#pragma once

#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace qovsim {

// The weather news feed:
//   GET /wxdata/articles/get.xml?key=..   an RSS 2.0 channel of six articles about the weather of gazetteer
//       places, one published every three hours up to "now"
// A wrong key answers the service's (JSON) error record, as every command does.
void addNewsRoutes(Router& router, const SimEnvironment& environment);

}  // namespace qovsim
