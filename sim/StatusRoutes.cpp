#include "sim/StatusRoutes.h"

namespace qovsim {

void addStatusRoutes(Router& router) {
    router.get("/swagger_update_(prod|test)", [](const SimRequest&) { return SimResponse::text("0"); });
}

}  // namespace qovsim
