#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCacheConfigurationChangedDelegate.h"
#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/core/cache/CacheLocationSource.h"
#include "app/core/cache/ListenerList.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/Object.h"
#include "platform/base/Value.h"

namespace qov {

class CacheLocationSource;
class QOVDatasouce;
class QOVLocation;
class QOVLocationIdentity;
class QOVMobileAppConfig;
class QOVPOIList;
class QOVPointOfInterest;

// Where screens get the weather of a location and where settings get the remote configuration. A screen never
// fetches: it registers as a listener for a location, the current location or an application id, is answered
// at once from what is stored, and is called again whenever fresh data is stored. What is missing is asked of
// the data source. Storage belongs to the subclasses (FileSystemApplicationCache, MemoryApplicationCache);
// ApplicationCacheFactory holds the one cache of the process.
//
// Listeners are held weakly and compared by identity. Registrations are queued to the main run loop (they take
// effect on a later turn, even when made on the main thread); removals take effect at once and also cancel a
// registration still queued. Location notices are synchronous on the storing thread over a copy of the
// listener list; configuration notices go through the main run loop.
//
// Always own a cache through std::shared_ptr (queued work holds it weakly). Every operation that reads or
// changes the registry or the storage runs under one re-entrant lock.
class ApplicationCache : public platform::Object, public std::enable_shared_from_this<ApplicationCache> {
public:
    using LocationListener = ApplicationCacheLocationChangedDelegate;
    using ConfigurationListener = ApplicationCacheConfigurationChangedDelegate;
    // The one answer of a location search (a location, an array of locations, or null), on the main thread.
    using SearchCallback = std::function<void(const platform::Value&)>;
    // The answer to a point-of-interest question: the list of one type in one map tile.
    using POIListCallback = std::function<void(const std::shared_ptr<QOVPOIList>&)>;

    static constexpr const char* kCurrentLocationUpdatedNotification =
        CacheLocationSource::kCurrentLocationUpdatedNotification;
    static constexpr const char* kRequestLocationWithZipNotification = "requestLocationWithZipNotification";
    static constexpr const char* kRequestLocationWithCoordinateNotification =
        "requestLocationWithCoordinateNotification";
    static constexpr const char* kRequestLocationWithTypeAheadNotification = "requestLocationWithTypeAheadNotification";

    // The data source is held weakly (it belongs to QOVDatasourceFactory).
    explicit ApplicationCache(const std::shared_ptr<QOVDatasouce>& datasource);
    ~ApplicationCache() override;
    ApplicationCache(const ApplicationCache&) = delete;
    ApplicationCache& operator=(const ApplicationCache&) = delete;

    // The data source, or nullptr when it is gone.
    std::shared_ptr<QOVDatasouce> datasource() const;
    void setDatasource(const std::shared_ptr<QOVDatasouce>& datasource);

    // The current location and the favourites (held weakly); without one there is no current location.
    std::shared_ptr<CacheLocationSource> locationSource() const;
    void setLocationSource(const std::shared_ptr<CacheLocationSource>& source);

    // --- Listening ---
    // Registers the listener (queued) and answers it at once from the cache, whatever the age of the cached
    // data; a location not cached is requested, and if it is stored before the registration takes effect the
    // listener is answered then from the cache, so that no answer passes it by. A null identity does nothing.
    void startListeningForLocationId(const std::shared_ptr<QOVLocationIdentity>& identity,
                                     const std::shared_ptr<LocationListener>& listener);
    void stopListeningForLocationId(const std::shared_ptr<QOVLocationIdentity>& identity,
                                    const LocationListener* listener);
    // The single-location operations for every element that holds a QOVLocationIdentity; others are skipped.
    void startListeningForLocations(const platform::Array& locations,
                                    const std::shared_ptr<LocationListener>& listener);
    void stopListeningForLocations(const platform::Array& locations, const LocationListener* listener);
    // Follows the current location: registered on a later turn for the current location of that moment, and
    // moved to each new current location.
    void startListeningForCurrentLocationWithDelegate(const std::shared_ptr<LocationListener>& listener);
    void stopListeningForCurrentLocationWithDelegate(const LocationListener* listener);
    // Removes the listener from every location and from the current-location listeners.
    void stopListeningForDelegate(const LocationListener* listener);

    // Registers the listener (queued); a fresh cached configuration answers at once, a stale or missing one is
    // requested with the time to live (seconds).
    void startListeningForConfiguration(const std::string& applicationId, double timeToLive,
                                        const std::shared_ptr<ConfigurationListener>& listener);
    void stopListeningForConfiguration(const std::string& applicationId, const ConfigurationListener* listener);
    // Removes the listener from every application id.
    void stopListeningForConfigurationDelegate(const ConfigurationListener* listener);

    // Building blocks of the operations above. An empty object id does nothing. whenEntered, if given, runs on
    // the main loop (under the lock) right after the queued registration entered the listener.
    template <typename Listener>
    void startListeningForObjectId(const std::string& objectId, const std::shared_ptr<Listener>& listener,
                                   ListenerMapping<Listener>& mapping, std::function<void()> whenEntered = {});
    template <typename Listener>
    void stopListeningForObjectId(const std::string& objectId, const Listener* listener,
                                  ListenerMapping<Listener>& mapping);
    template <typename Listener>
    void stopListeningForDelegate(const Listener* listener, ListenerMapping<Listener>& mapping);

    // Called by the subclasses after storing. Location listeners are called now, on this thread, over a copy of
    // the listeners of the location's identifier; configuration listeners on a later turn of the main loop.
    void notifyDelegatesForLocation(const std::shared_ptr<QOVLocation>& location);
    void notifyDelegatesForConfiguration(const std::shared_ptr<QOVMobileAppConfig>& configuration);

    // Observer of kCurrentLocationUpdatedNotification: the object is a dictionary with "oldLocation" and
    // "newLocation"; every current-location listener moves from the old to the new location.
    void currentLocationUpdated(const platform::Notification& notification);

    // --- Searches, passed to the data source after posting their notification ---
    void getLocationForZip(const std::string& zip, SearchCallback callback);
    void getLocationForCoordinates(double latitude, double longitude, SearchCallback callback);
    void getTypeAheadWithSearchString(const std::string& searchString, unsigned numberOfResults,
                                      SearchCallback callback);

    // --- Storage (abstract: each raises the abstract-class exception unless a subclass implements it) ---
    virtual void storeLocation(const std::shared_ptr<QOVLocation>& location);
    virtual std::shared_ptr<QOVLocation> cachedLocation(const QOVLocationIdentity& identity);
    virtual void removeLocationHavingId(const QOVLocationIdentity& identity);
    virtual void removeAllLocations();
    virtual void forceUpdateForLocationIdentity(const QOVLocationIdentity& identity);
    virtual void storeConfiguration(const std::shared_ptr<QOVMobileAppConfig>& configuration);
    virtual std::shared_ptr<QOVMobileAppConfig> cachedConfigurationForId(const std::string& applicationId);
    virtual void removeConfigurationHavingId(const std::string& applicationId);
    virtual void removeAllConfigurations();
    // The data source's answer to a point-of-interest request, with the user information the cache gave it.
    virtual void storePOIList(const std::vector<std::shared_ptr<QOVPointOfInterest>>& points,
                              const platform::Dictionary& userInfo);
    // Answers the callback with the stored list of that type and quad key, or requests it.
    virtual void cachedPOIType(std::int32_t type, const std::string& quadKey, POIListCallback callback);

    // Every function is enabled.
    bool functionIsEnabledForKey(const std::string& key, const std::string& applicationId) const;

protected:
    // The current location of the location source, or nullptr.
    std::shared_ptr<QOVLocationIdentity> currentLocation() const;
    // Re-entrant lock on the cache: registry and storage.
    std::recursive_mutex& lock() const { return m_lock; }

private:
    [[noreturn]] void raiseAbstract(const char* selector) const;

    mutable std::recursive_mutex m_lock;
    ListenerMapping<LocationListener> m_listenerMappings;
    std::weak_ptr<QOVDatasouce> m_datasource;
    ListenerMapping<ConfigurationListener> m_configurationMappings;
    ListenerList<LocationListener> m_currentLocationListeners;
    std::weak_ptr<CacheLocationSource> m_locationSource;
};

}  // namespace qov
