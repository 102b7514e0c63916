#pragma once

#include <memory>

namespace qov {

class QOVLocationIdentity;

// What the application cache needs to know about the user's locations: the current location (to keep it
// fresh and to move current-location listeners) and whether a location is a favourite (favourites are kept
// and refreshed, other locations expire). The location manager answers these; a cache without a source has
// no current location and no favourites.
class CacheLocationSource {
public:
    // Posted by the source when the current location changes (the cache moves its current-location listeners).
    static constexpr const char* kCurrentLocationUpdatedNotification = "CurrentLocationUpdatedNotification";

    virtual ~CacheLocationSource() = default;

    // The current location; while there is none, nullptr or an identity of type 0 ("no location").
    virtual std::shared_ptr<QOVLocationIdentity> currentLocation() = 0;
    // True when a favourite has the location's key and type.
    virtual bool favoritesContainsLocation(const QOVLocationIdentity& location) = 0;
};

}  // namespace qov
