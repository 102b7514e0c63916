#pragma once

#include "sim/Router.h"

namespace qovsim {

// The social feature's status server: GET /swagger_update_prod and /swagger_update_test answer 200 with the
// status as text ("0": on). Fault injection gives the failures.
void addStatusRoutes(Router& router);

}  // namespace qovsim
