#pragma once

#include "sim/FaultSet.h"
#include "sim/RequestLog.h"
#include "sim/Router.h"

namespace qovsim {

// The control paths under /admin/, which are neither logged nor faulted:
//   GET /admin/faults                  the faults in force (JSON list)
//   POST /admin/faults                 adds one fault (JSON object, see Fault::fromJson) or a list of them
//   DELETE /admin/faults[?pattern=P]   removes every fault, or the one with that pattern
//   GET /admin/requests                the request log (JSON list of {method, path, query, form})
//   DELETE /admin/requests             empties the request log
void addAdminRoutes(Router& router, FaultSet& faults, RequestLog& log);

}  // namespace qovsim
