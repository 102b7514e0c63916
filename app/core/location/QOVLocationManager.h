#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "app/core/cache/CacheLocationSource.h"
#include "app/core/location/LocationList.h"
#include "platform/base/KeyValueObserving.h"
#include "platform/base/Object.h"
#include "platform/base/Value.h"
#include "platform/geo/PositionSourceDelegate.h"

namespace platform {
class UserDefaults;
namespace geo {
class PositionSource;
}
}  // namespace platform

namespace qov {

class ApplicationCache;
class QOVLocation;
class QOVLocationIdentity;

// The one owner of the user's locations: the current location, the favourites in the user's order, the home
// and push (alert) locations, and for every location the number of times it became current (its pop rank).
// All of them are kept as archives in the user defaults; a position fix becomes the current location through
// the application cache's coordinate lookup.
//
// Locations match when their keys and types are equal; every lookup takes the first match. Favourites hold
// identities only (a full location record is stored as its identity; an identity or a type-ahead result is
// stored as it is); the home and push slots hold what they are given. Stored archives that cannot be read
// count as missing (logged, their key removed).
//
// Every public operation runs under one re-entrant lock. Notifications and change notices go out on the
// calling thread after the lock is released (observers may call back in). Main thread.
class QOVLocationManager : public platform::Object,
                           public CacheLocationSource,
                           public platform::geo::PositionSourceDelegate,
                           public std::enable_shared_from_this<QOVLocationManager> {
public:
    using CacheProvider = std::function<std::shared_ptr<ApplicationCache>()>;
    using PopRank = std::map<std::string, std::int64_t, std::less<>>;

    // User-default keys.
    static constexpr const char* kFavoriteLocationDataKey = "favoriteLocationData";
    static constexpr const char* kHomeLocationDataKey = "homeLocationData";
    static constexpr const char* kPushLocationDataKey = "pushLocationData";
    static constexpr const char* kPopRankDataKey = "popRankData";
    static constexpr const char* kCurrentLocationDataKey = "currentLocationData";

    // The observable key path of the favourites.
    static constexpr const char* kFavoriteLocationsKeyPath = "favoriteLocations";

    // Notifications and their keys.
    static constexpr const char* kOldLocationKey = "oldLocation";
    static constexpr const char* kNewLocationKey = "newLocation";
    static constexpr const char* kLocationFavoriteUpdatedNotification = "LocationFavoriteUpdatedNotification";
    static constexpr const char* kFavoriteNotificationLocationIdKey = "FavoriteNotificationLocationIdKey";
    static constexpr const char* kFavoriteNotificationLocationStatusKey = "FavoriteNotificationLocationStatusKey";
    static constexpr const char* kFavoriteNotificationLocationAdded = "FavoriteNotificationLocationAdded";
    static constexpr const char* kFavoriteNotificationLocationRemoved = "FavoriteNotificationLocationRemoved";
    static constexpr const char* kUpdateStartCurrentLocationWithGPSNotification =
        "updateStartCurrentLocationWithGPSNotification";
    static constexpr const char* kUpdateStopCurrentLocationWithGPSNotification =
        "updateStopCurrentLocationWithGPSNotification";
    static constexpr const char* kUpdateSucceededCurrentLocationWithGPSNotification =
        "updateSucceededCurrentLocationWithGPSNotification";
    static constexpr const char* kUpdateFailedCurrentLocationWithGPSNotification =
        "updateFailedCurrentLocationWithGPSNotification";

    // The process instance: the standard user defaults, the process position source and the process
    // application cache. Made on first use; lives for the process.
    static std::shared_ptr<QOVLocationManager> sharedManager();
    // Tests: forgets the process instance, so the next sharedManager() makes a new one.
    static void resetSharedManager();

    // A manager over these defaults, position source and cache: loads the favourites, push and home locations
    // and pop ranks, then sets up location support.
    static std::shared_ptr<QOVLocationManager> create(std::shared_ptr<platform::UserDefaults> defaults,
                                                      std::shared_ptr<platform::geo::PositionSource> positionSource,
                                                      CacheProvider cacheProvider);

    // Only create() makes managers (location support needs the finished shared object).
    class ConstructionKey {
        friend class QOVLocationManager;
        ConstructionKey() = default;
    };
    QOVLocationManager(ConstructionKey key, std::shared_ptr<platform::UserDefaults> defaults,
                       std::shared_ptr<platform::geo::PositionSource> positionSource, CacheProvider cacheProvider);
    ~QOVLocationManager() override;
    QOVLocationManager(const QOVLocationManager&) = delete;
    QOVLocationManager& operator=(const QOVLocationManager&) = delete;

    // Observers of kFavoriteLocationsKeyPath (old and new lists of locations).
    platform::KeyValueObserving& keyValueObservers() { return m_observers; }

    // --- Current location ---
    // The stored one, read on first use; a type-0 identity ("no location") when none was ever set. Never null.
    std::shared_ptr<QOVLocationIdentity> currentLocation() override;
    // Makes the location current (as its identity), raises its pop rank and posts
    // kCurrentLocationUpdatedNotification, unless it matches the current one. Null is refused (logged).
    void setCurrentLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    bool hasValidCurrentLocation();

    // --- Favourites ---
    LocationList::Entries favoriteLocations();
    // Adds the location's identity unless a favourite matches it; archives in every case.
    void addFavoriteLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    // Removes the first matching favourite; archives in every case. Home and push slots are left alone.
    void removeFavoriteLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void removeAllFavorites();
    bool favoritesContainsLocation(const QOVLocationIdentity& location) override;
    std::shared_ptr<QOVLocationIdentity> favoriteForLocation(const QOVLocationIdentity& location);
    // Moves an entry; an index outside the list does nothing (logged).
    void moveFavoriteFromIndex(std::size_t from, std::size_t to);
    // Sets the nickname on the matching favourite, home and push entries; no name does nothing.
    void setNickname(const std::optional<std::string>& name, const QOVLocationIdentity& location);
    // The display name of the cached weather of the matching favourite (or of the location itself); empty when
    // the cache holds none.
    std::string favoriteNameForLocation(const QOVLocationIdentity& location);
    // The favourites from last to first, then the current location unless a favourite matches it.
    LocationList::Entries allLocations();
    void archiveFavorites();
    void loadFavoritesFromArchive();

    // --- Home location (one-entry slot) ---
    // Entry 0, or a type-0 identity when there is none.
    std::shared_ptr<QOVLocationIdentity> homeLocation();
    // Makes the location the only entry (null clears the slot), unless it is that very entry already.
    void setHomeLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    LocationList::Entries homeLocations();
    void addHomeLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void removeHomeLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void removeAllHomeLocations();
    std::shared_ptr<QOVLocationIdentity> homeLocationForLocation(const QOVLocationIdentity& location);
    bool homeLocationsContainsLocation(const QOVLocationIdentity& location);
    void archiveHomeLocations();
    void loadHomeLocationsFromArchive();

    // --- Push location (one-entry slot), as the home location ---
    std::shared_ptr<QOVLocationIdentity> pushLocation();
    void setPushLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    LocationList::Entries pushLocations();
    void addPushLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void removePushLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void removeAllPushLocations();
    std::shared_ptr<QOVLocationIdentity> pushLocationForLocation(const QOVLocationIdentity& location);
    bool pushLocationsContainsLocation(const QOVLocationIdentity& location);
    void archivePushLocations();
    void loadPushLocationsFromArchive();

    // --- Pop rank: identifierAsString() → times the location became current ---
    PopRank popRank();
    void setPopRank(PopRank popRank);
    void archivePopRankData();
    void loadPopRanksFromArchive();

    // --- Position ---
    // Posts kUpdateStartCurrentLocationWithGPSNotification, then asks the position source for a fix (or, with
    // a fix recorded outside GPS mode, looks that one up). Every request ends with the succeeded or the failed
    // notification.
    void updateCurrentLocationWithGPS();
    void setupLocationSupport();
    // Stops significant-change monitoring.
    void tearDownLocationSupport();
    // The coordinate lookup found loc: it becomes current; posts the stop and succeeded notifications.
    void locationFromCoordinatesUpdated(const std::shared_ptr<QOVLocation>& location);

    void didUpdateToLocation(platform::geo::PositionSource& source,
                             const std::shared_ptr<platform::geo::PositionFix>& newFix,
                             const std::shared_ptr<platform::geo::PositionFix>& oldFix) override;
    void didFailWithError(platform::geo::PositionSource& source, const platform::geo::PositionError& error) override;

    // The last fix recorded outside GPS mode, and whether there is one.
    std::shared_ptr<platform::geo::PositionFix> lastLocationUpdated();
    bool locationHasUpdated();
    bool isUsingGPS();
    void setUsingGPS(bool usingGPS);

private:
    // The favourites' entries, when they changed, for the change notice.
    void notifyFavoritesChanged(platform::Array oldFavorites);
    void postFavoriteUpdated(const std::shared_ptr<QOVLocationIdentity>& location, const char* status);
    // The shared bodies of the home and push operations.
    std::shared_ptr<QOVLocationIdentity> slotLocation(LocationList& list);
    void setSlotLocation(LocationList& list, const std::shared_ptr<QOVLocationIdentity>& location);
    void addSlotLocation(LocationList& list, const std::shared_ptr<QOVLocationIdentity>& location);
    void removeSlotLocation(LocationList& list, const std::shared_ptr<QOVLocationIdentity>& location);
    LocationList::Entries entriesOf(const LocationList& list);
    std::shared_ptr<QOVLocationIdentity> locationIn(const LocationList& list, const QOVLocationIdentity& location);
    void archive(const LocationList& list);
    void load(LocationList& list);

    // Asks the application cache which place lies at the coordinate.
    void lookUpCoordinate(double latitude, double longitude);
    void coordinateLookupAnswered(const platform::Value& result);
    static void post(const char* name, platform::Value object = {});

    mutable std::recursive_mutex m_lock;
    const std::shared_ptr<platform::UserDefaults> m_defaults;
    const std::shared_ptr<platform::geo::PositionSource> m_positionSource;
    const CacheProvider m_cacheProvider;
    platform::KeyValueObserving m_observers;

    LocationList m_favoriteLocations{kFavoriteLocationDataKey};
    std::shared_ptr<QOVLocationIdentity> m_currentLocation;  // null until first read
    LocationList m_pushLocations{kPushLocationDataKey};
    LocationList m_homeLocations{kHomeLocationDataKey};
    PopRank m_popRank;
    std::shared_ptr<platform::geo::PositionFix> m_lastLocationUpdated;
    bool m_locationHasUpdated = false;
    bool m_usingGPS = false;
};

}  // namespace qov
