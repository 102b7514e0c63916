#include "sim/HealthRoutes.h"

namespace qovsim {

void addHealthRoutes(Router& router) {
    router.get("/health", [](const SimRequest&) { return SimResponse::text("ok"); });
}

}  // namespace qovsim
