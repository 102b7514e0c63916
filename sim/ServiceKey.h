#pragma once

#include <string>

#include "sim/SimRequest.h"
#include "sim/SimResponse.h"

namespace qovsim {

// The data-service API key check of the service's commands: the key is the application bundle's "DS2APIKey"
// (platform::Bundle::main()), sent as the "key" query value (or form field of a POST). A request with another
// key, or any request while the bundle has no key, is refused with the service's error record.
class ServiceKey {
public:
    // The key of the application bundle; empty when it has none.
    static std::string expected();
    static bool accepts(const SimRequest& request);
    // The service's error record for a refused key (status 200, as the service answers its errors).
    static SimResponse refusal();
};

}  // namespace qovsim
