#pragma once

#include <memory>

namespace qov {

class QOVLocationIdentity;
class QOVLocationManager;

// The built-in default location, used when the user has none yet: Atlanta, key "USGA0028", type 1.
class DefaultLocation {
public:
    static std::shared_ptr<QOVLocationIdentity> identity();
    // When the manager has no valid current location, makes the default location current and a favourite.
    // Answers whether it did.
    static bool installIfNoneIsCurrent(QOVLocationManager& manager);
};

}  // namespace qov
