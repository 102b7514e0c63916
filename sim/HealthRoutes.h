#pragma once

#include "sim/Router.h"

namespace qovsim {

// GET /health answers 200 "ok".
void addHealthRoutes(Router& router);

}  // namespace qovsim
