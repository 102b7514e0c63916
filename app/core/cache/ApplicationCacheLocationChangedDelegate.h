#pragma once

#include <memory>

namespace qov {

class QOVLocation;

// A listener for the weather of a location (or of the current location). The cache holds listeners weakly:
// a listener that is gone is skipped and dropped.
class ApplicationCacheLocationChangedDelegate {
public:
    virtual ~ApplicationCacheLocationChangedDelegate() = default;

    // Fresh (or, on registration, cached) data for a location the listener registered for.
    virtual void locationDataChanged(const std::shared_ptr<QOVLocation>& location) = 0;
};

}  // namespace qov
