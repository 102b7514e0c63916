#include "app/core/cache/ApplicationCache.h"

#include "app/core/cache/CacheLocationSource.h"
#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "platform/base/Exception.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

std::shared_ptr<QOVLocationIdentity> identityIn(const platform::Value& value) {
    return value.object<QOVLocationIdentity>();
}

std::shared_ptr<QOVLocationIdentity> identityFor(const platform::Dictionary& dictionary, std::string_view key) {
    const platform::Value* value = platform::valueForKey(dictionary, key);
    return value ? identityIn(*value) : nullptr;
}

}  // namespace

ApplicationCache::ApplicationCache(const std::shared_ptr<QOVDatasouce>& datasource) : m_datasource(datasource) {
    platform::NotificationCenter::defaultCenter().addObserver(
        this, kCurrentLocationUpdatedNotification,
        [this](const platform::Notification& notification) { currentLocationUpdated(notification); });
}

ApplicationCache::~ApplicationCache() { platform::NotificationCenter::defaultCenter().removeObserver(this); }

std::shared_ptr<QOVDatasouce> ApplicationCache::datasource() const {
    std::scoped_lock guard(m_lock);
    return m_datasource.lock();
}

void ApplicationCache::setDatasource(const std::shared_ptr<QOVDatasouce>& datasource) {
    std::scoped_lock guard(m_lock);
    m_datasource = datasource;
}

std::shared_ptr<CacheLocationSource> ApplicationCache::locationSource() const {
    std::scoped_lock guard(m_lock);
    return m_locationSource.lock();
}

void ApplicationCache::setLocationSource(const std::shared_ptr<CacheLocationSource>& source) {
    std::scoped_lock guard(m_lock);
    m_locationSource = source;
}

std::shared_ptr<QOVLocationIdentity> ApplicationCache::currentLocation() const {
    const auto source = locationSource();
    return source ? source->currentLocation() : nullptr;
}

// --- Registry building blocks ---

template <typename Listener>
void ApplicationCache::startListeningForObjectId(const std::string& objectId, const std::shared_ptr<Listener>& listener,
                                                 ListenerMapping<Listener>& mapping,
                                                 std::function<void()> whenEntered) {
    if (objectId.empty() || !listener) {
        return;
    }
    std::scoped_lock guard(m_lock);
    auto& list = mapping[objectId];
    auto registration = list.schedule(listener);
    // The mapping is a member: the queued work touches it only while the cache lives.
    platform::dispatchMain([weakCache = weak_from_this(), &list, registration, whenEntered = std::move(whenEntered)] {
        if (const auto cache = weakCache.lock()) {
            std::scoped_lock commitGuard(cache->m_lock);
            if (list.commit(registration) && whenEntered) {
                whenEntered();
            }
        }
    });
}

template <typename Listener>
void ApplicationCache::stopListeningForObjectId(const std::string& objectId, const Listener* listener,
                                                ListenerMapping<Listener>& mapping) {
    std::scoped_lock guard(m_lock);
    if (const auto found = mapping.find(objectId); found != mapping.end()) {
        found->second.remove(listener);
    }
}

template <typename Listener>
void ApplicationCache::stopListeningForDelegate(const Listener* listener, ListenerMapping<Listener>& mapping) {
    std::scoped_lock guard(m_lock);
    for (auto& [objectId, list] : mapping) {
        list.remove(listener);
    }
}

template void ApplicationCache::startListeningForObjectId(const std::string&,
                                                          const std::shared_ptr<ApplicationCache::LocationListener>&,
                                                          ListenerMapping<ApplicationCache::LocationListener>&,
                                                          std::function<void()>);
template void ApplicationCache::stopListeningForObjectId(const std::string&, const ApplicationCache::LocationListener*,
                                                         ListenerMapping<ApplicationCache::LocationListener>&);
template void ApplicationCache::stopListeningForDelegate(const ApplicationCache::LocationListener*,
                                                         ListenerMapping<ApplicationCache::LocationListener>&);
template void ApplicationCache::startListeningForObjectId(
    const std::string&, const std::shared_ptr<ApplicationCache::ConfigurationListener>&,
    ListenerMapping<ApplicationCache::ConfigurationListener>&, std::function<void()>);
template void ApplicationCache::stopListeningForObjectId(const std::string&,
                                                         const ApplicationCache::ConfigurationListener*,
                                                         ListenerMapping<ApplicationCache::ConfigurationListener>&);
template void ApplicationCache::stopListeningForDelegate(const ApplicationCache::ConfigurationListener*,
                                                         ListenerMapping<ApplicationCache::ConfigurationListener>&);

// --- Locations ---

void ApplicationCache::startListeningForLocationId(const std::shared_ptr<QOVLocationIdentity>& identity,
                                                   const std::shared_ptr<LocationListener>& listener) {
    if (!identity || !listener) {
        return;
    }
    std::scoped_lock guard(m_lock);
    const auto cached = cachedLocation(*identity);
    if (cached) {
        startListeningForObjectId(identity->identifierAsString(), listener, m_listenerMappings);
        cached->setUserNickname(identity->userNickname());
        listener->locationDataChanged(cached);
        return;
    }
    // The answer may be stored before the registration takes effect (a request for the same place already on
    // its way, its completion queued ahead of the registration): its notice would miss the listener.
    auto answerStoredMeanwhile = [weakCache = weak_from_this(), identity, weakListener = std::weak_ptr(listener)] {
        const auto cache = weakCache.lock();
        const auto entered = weakListener.lock();
        const auto stored = cache && entered ? cache->cachedLocation(*identity) : nullptr;
        if (stored) {
            stored->setUserNickname(identity->userNickname());
            entered->locationDataChanged(stored);
        }
    };
    startListeningForObjectId(identity->identifierAsString(), listener, m_listenerMappings,
                              std::move(answerStoredMeanwhile));
    if (const auto source = datasource()) {
        source->requestLocation(*identity);
    }
}

void ApplicationCache::stopListeningForLocationId(const std::shared_ptr<QOVLocationIdentity>& identity,
                                                  const LocationListener* listener) {
    if (identity) {
        stopListeningForObjectId(identity->identifierAsString(), listener, m_listenerMappings);
    }
}

void ApplicationCache::startListeningForLocations(const platform::Array& locations,
                                                  const std::shared_ptr<LocationListener>& listener) {
    for (const auto& element : locations) {
        if (const auto identity = identityIn(element)) {
            startListeningForLocationId(identity, listener);
        }
    }
}

void ApplicationCache::stopListeningForLocations(const platform::Array& locations, const LocationListener* listener) {
    for (const auto& element : locations) {
        if (const auto identity = identityIn(element)) {
            stopListeningForLocationId(identity, listener);
        }
    }
}

void ApplicationCache::startListeningForCurrentLocationWithDelegate(const std::shared_ptr<LocationListener>& listener) {
    if (!listener) {
        return;
    }
    std::scoped_lock guard(m_lock);
    auto registration = m_currentLocationListeners.schedule(listener);
    platform::dispatchMain([weakCache = weak_from_this(), registration] {
        const auto cache = weakCache.lock();
        if (!cache) {
            return;
        }
        std::scoped_lock commitGuard(cache->m_lock);
        const auto entered = registration->listener.lock();
        if (cache->m_currentLocationListeners.commit(registration)) {
            // Without a current location the listener waits for the next current-location change.
            cache->startListeningForLocationId(cache->currentLocation(), entered);
        }
    });
}

void ApplicationCache::stopListeningForCurrentLocationWithDelegate(const LocationListener* listener) {
    std::scoped_lock guard(m_lock);
    m_currentLocationListeners.remove(listener);
    stopListeningForLocationId(currentLocation(), listener);
}

void ApplicationCache::stopListeningForDelegate(const LocationListener* listener) {
    std::scoped_lock guard(m_lock);
    stopListeningForDelegate(listener, m_listenerMappings);
    m_currentLocationListeners.remove(listener);
}

void ApplicationCache::currentLocationUpdated(const platform::Notification& notification) {
    const auto* locations = notification.object.ifDictionary();
    if (!locations) {
        QOV_LOG_WARN("current location change without its locations");
        return;
    }
    const auto oldLocation = identityFor(*locations, "oldLocation");
    const auto newLocation = identityFor(*locations, "newLocation");
    std::scoped_lock guard(m_lock);
    for (const auto& listener : m_currentLocationListeners.listeners()) {
        stopListeningForLocationId(oldLocation, listener.get());
        startListeningForLocationId(newLocation, listener);
    }
}

// --- Configurations ---

void ApplicationCache::startListeningForConfiguration(const std::string& applicationId, double timeToLive,
                                                      const std::shared_ptr<ConfigurationListener>& listener) {
    if (applicationId.empty() || !listener) {
        return;
    }
    std::scoped_lock guard(m_lock);
    startListeningForObjectId(applicationId, listener, m_configurationMappings);
    const auto cached = cachedConfigurationForId(applicationId);
    if (cached && !cached->isStale()) {
        listener->configurationChanged(cached);
    } else if (const auto source = datasource()) {
        source->requestConfigurationForApplicationId(applicationId, timeToLive);
    }
}

void ApplicationCache::stopListeningForConfiguration(const std::string& applicationId,
                                                     const ConfigurationListener* listener) {
    stopListeningForObjectId(applicationId, listener, m_configurationMappings);
}

void ApplicationCache::stopListeningForConfigurationDelegate(const ConfigurationListener* listener) {
    stopListeningForDelegate(listener, m_configurationMappings);
}

// --- Notices ---

void ApplicationCache::notifyDelegatesForLocation(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        return;
    }
    std::vector<std::shared_ptr<LocationListener>> listeners;
    {
        std::scoped_lock guard(m_lock);
        if (const auto found = m_listenerMappings.find(location->identifierAsString());
            found != m_listenerMappings.end()) {
            listeners = found->second.listeners();
        }
    }
    for (const auto& listener : listeners) {
        listener->locationDataChanged(location);
    }
}

void ApplicationCache::notifyDelegatesForConfiguration(const std::shared_ptr<QOVMobileAppConfig>& configuration) {
    if (!configuration) {
        return;
    }
    platform::dispatchMain([weakCache = weak_from_this(), configuration] {
        const auto cache = weakCache.lock();
        if (!cache) {
            return;
        }
        std::vector<std::shared_ptr<ConfigurationListener>> listeners;
        {
            std::scoped_lock guard(cache->m_lock);
            if (const auto found = cache->m_configurationMappings.find(configuration->applicationId());
                found != cache->m_configurationMappings.end()) {
                listeners = found->second.listeners();
            }
        }
        for (const auto& listener : listeners) {
            listener->configurationChanged(configuration);
        }
    });
}

// --- Searches ---

void ApplicationCache::getLocationForZip(const std::string& zip, SearchCallback callback) {
    platform::NotificationCenter::defaultCenter().postNotification(kRequestLocationWithZipNotification);
    if (const auto source = datasource()) {
        source->requestLocationForZip(zip, std::move(callback), false);
    }
}

void ApplicationCache::getLocationForCoordinates(double latitude, double longitude, SearchCallback callback) {
    platform::NotificationCenter::defaultCenter().postNotification(kRequestLocationWithCoordinateNotification);
    if (const auto source = datasource()) {
        source->requestLocationForCoordinates(LocationCoordinate{latitude, longitude}, std::move(callback));
    }
}

void ApplicationCache::getTypeAheadWithSearchString(const std::string& searchString, unsigned numberOfResults,
                                                    SearchCallback callback) {
    platform::NotificationCenter::defaultCenter().postNotification(kRequestLocationWithTypeAheadNotification);
    if (const auto source = datasource()) {
        source->requestTypeAheadWithSearchString(searchString, numberOfResults, std::move(callback));
    }
}

bool ApplicationCache::functionIsEnabledForKey(const std::string&, const std::string&) const { return true; }

// --- Storage, implemented by the subclasses ---

void ApplicationCache::raiseAbstract(const char* selector) const {
    platform::Exception::raiseAbstractClass(className(), selector);
}

void ApplicationCache::storeLocation(const std::shared_ptr<QOVLocation>&) { raiseAbstract("storeLocation:"); }

std::shared_ptr<QOVLocation> ApplicationCache::cachedLocation(const QOVLocationIdentity&) {
    raiseAbstract("cachedLocation:");
}

void ApplicationCache::removeLocationHavingId(const QOVLocationIdentity&) { raiseAbstract("removeLocationHavingId:"); }

void ApplicationCache::removeAllLocations() { raiseAbstract("removeAllLocations"); }

void ApplicationCache::forceUpdateForLocationIdentity(const QOVLocationIdentity&) {
    raiseAbstract("forceUpdateForLocationIdentity:");
}

void ApplicationCache::storeConfiguration(const std::shared_ptr<QOVMobileAppConfig>&) {
    raiseAbstract("storeConfiguration:");
}

std::shared_ptr<QOVMobileAppConfig> ApplicationCache::cachedConfigurationForId(const std::string&) {
    raiseAbstract("cachedConfigurationForId:");
}

void ApplicationCache::removeConfigurationHavingId(const std::string&) {
    raiseAbstract("removeConfigurationHavingId:");
}

void ApplicationCache::removeAllConfigurations() { raiseAbstract("removeAllConfigurations"); }

void ApplicationCache::storePOIList(const std::vector<std::shared_ptr<QOVPointOfInterest>>&,
                                    const platform::Dictionary&) {
    raiseAbstract("storePOIList:withUserInfo:");
}

void ApplicationCache::cachedPOIType(std::int32_t, const std::string&, POIListCallback) {
    raiseAbstract("cachedPOIType:forQuadKey:callbackObj:callbackSelector:");
}

}  // namespace qov
