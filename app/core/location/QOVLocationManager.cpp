#include "app/core/location/QOVLocationManager.h"

#include <utility>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/DefaultsArchive.h"
#include "app/core/model/ModelClasses.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"
#include "platform/geo/PositionSource.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

platform::ProcessSlot<QOVLocationManager>& sharedSlot() {
    static platform::ProcessSlot<QOVLocationManager> slot;
    return slot;
}

std::shared_ptr<QOVLocationIdentity> noLocation() { return std::make_shared<QOVLocationIdentity>(); }

std::string describe(const std::shared_ptr<QOVLocationIdentity>& location) {
    return location ? location->description() : "(null)";
}

}  // namespace

// --- Creation ---

std::shared_ptr<QOVLocationManager> QOVLocationManager::sharedManager() {
    return sharedSlot().instance([] {
        return create(platform::UserDefaults::standard(), platform::geo::PositionSource::shared(),
                      [] { return ApplicationCacheFactory::sharedInstance().cache(); });
    });
}

void QOVLocationManager::resetSharedManager() { sharedSlot().exchange(nullptr); }

std::shared_ptr<QOVLocationManager> QOVLocationManager::create(
    std::shared_ptr<platform::UserDefaults> defaults, std::shared_ptr<platform::geo::PositionSource> positionSource,
    CacheProvider cacheProvider) {
    auto manager = std::make_shared<QOVLocationManager>(ConstructionKey(), std::move(defaults),
                                                        std::move(positionSource), std::move(cacheProvider));
    manager->setupLocationSupport();
    return manager;
}

QOVLocationManager::QOVLocationManager(ConstructionKey /*key*/, std::shared_ptr<platform::UserDefaults> defaults,
                                       std::shared_ptr<platform::geo::PositionSource> positionSource,
                                       CacheProvider cacheProvider)
    : m_defaults(defaults ? std::move(defaults) : platform::UserDefaults::standard()),
      m_positionSource(positionSource ? std::move(positionSource) : platform::geo::PositionSource::shared()),
      m_cacheProvider(std::move(cacheProvider)) {
    registerModelClasses();
    loadFavoritesFromArchive();
    loadPushLocationsFromArchive();
    loadHomeLocationsFromArchive();
    loadPopRanksFromArchive();
}

QOVLocationManager::~QOVLocationManager() = default;

void QOVLocationManager::post(const char* name, platform::Value object) {
    platform::NotificationCenter::defaultCenter().postNotification(name, std::move(object));
}

// --- Current location ---

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::currentLocation() {
    std::scoped_lock guard(m_lock);
    if (!m_currentLocation) {
        const auto stored = DefaultsArchive::load(
            *m_defaults, kCurrentLocationDataKey,
            [](const platform::Value& value) { return value.object<QOVLocationIdentity>() != nullptr; });
        m_currentLocation = stored ? stored->object<QOVLocationIdentity>() : noLocation();
    }
    return m_currentLocation;
}

void QOVLocationManager::setCurrentLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    platform::Dictionary change;
    {
        std::scoped_lock guard(m_lock);
        const auto old = currentLocation();
        if (!location) {
            QOV_LOG_WARN("Old current location [{}] and/or new current locaiton [{}] are nil", describe(old),
                         describe(location));
            return;
        }
        if (old->isEqualToLocation(*location)) {
            return;
        }
        change = {{kOldLocationKey, platform::Value(old)}, {kNewLocationKey, platform::Value(location)}};
        m_currentLocation = location->identity();
        DefaultsArchive::store(*m_defaults, kCurrentLocationDataKey, platform::Value(m_currentLocation));
        ++m_popRank[m_currentLocation->identifierAsString()];
        archivePopRankData();
    }
    post(kCurrentLocationUpdatedNotification, platform::Value(std::move(change)));
}

bool QOVLocationManager::hasValidCurrentLocation() {
    std::scoped_lock guard(m_lock);
    return currentLocation()->type() != 0;
}

// --- Favourites ---

LocationList::Entries QOVLocationManager::favoriteLocations() { return entriesOf(m_favoriteLocations); }

void QOVLocationManager::notifyFavoritesChanged(platform::Array oldFavorites) {
    platform::Array newFavorites;
    {
        std::scoped_lock guard(m_lock);
        newFavorites = m_favoriteLocations.asArray();
    }
    m_observers.notifyChange(kFavoriteLocationsKeyPath, platform::Value(std::move(oldFavorites)),
                             platform::Value(std::move(newFavorites)));
}

void QOVLocationManager::postFavoriteUpdated(const std::shared_ptr<QOVLocationIdentity>& location, const char* status) {
    platform::NotificationCenter::defaultCenter().postNotification(
        kLocationFavoriteUpdatedNotification, platform::Value(shared_from_this()),
        {{kFavoriteNotificationLocationIdKey, platform::Value(location)},
         {kFavoriteNotificationLocationStatusKey, platform::Value(status)}});
}

void QOVLocationManager::addFavoriteLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    std::optional<platform::Array> before;
    {
        std::scoped_lock guard(m_lock);
        if (location && !m_favoriteLocations.containsLocation(*location)) {
            before = m_favoriteLocations.asArray();
            m_favoriteLocations.append(location->identity());
        }
        archiveFavorites();
    }
    if (before) {
        notifyFavoritesChanged(std::move(*before));
        postFavoriteUpdated(location, kFavoriteNotificationLocationAdded);
    }
}

void QOVLocationManager::removeFavoriteLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    std::optional<platform::Array> before;
    {
        std::scoped_lock guard(m_lock);
        if (location) {
            platform::Array entries = m_favoriteLocations.asArray();
            if (m_favoriteLocations.removeLocation(*location)) {
                before = std::move(entries);
            }
        }
        archiveFavorites();
    }
    if (before) {
        notifyFavoritesChanged(std::move(*before));
        postFavoriteUpdated(location, kFavoriteNotificationLocationRemoved);
    }
}

void QOVLocationManager::removeAllFavorites() {
    platform::Array before;
    {
        std::scoped_lock guard(m_lock);
        before = m_favoriteLocations.asArray();
        m_favoriteLocations.clear();
        archiveFavorites();
    }
    notifyFavoritesChanged(std::move(before));
}

bool QOVLocationManager::favoritesContainsLocation(const QOVLocationIdentity& location) {
    std::scoped_lock guard(m_lock);
    return m_favoriteLocations.containsLocation(location);
}

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::favoriteForLocation(const QOVLocationIdentity& location) {
    return locationIn(m_favoriteLocations, location);
}

void QOVLocationManager::moveFavoriteFromIndex(std::size_t from, std::size_t to) {
    std::scoped_lock guard(m_lock);
    if (from == to) {
        return;
    }
    const std::size_t count = m_favoriteLocations.size();
    if (from >= count || to >= count) {
        QOV_LOG_WARN("Cannot move favourite {} to {}: there are {} favourites", from, to, count);
        return;
    }
    m_favoriteLocations.insert(to, m_favoriteLocations.removeAt(from));
    archiveFavorites();
}

void QOVLocationManager::setNickname(const std::optional<std::string>& name, const QOVLocationIdentity& location) {
    if (!name) {
        return;
    }
    std::scoped_lock guard(m_lock);
    for (const LocationList* list : {&m_favoriteLocations, &m_pushLocations, &m_homeLocations}) {
        if (const auto entry = list->locationMatching(location)) {
            entry->setUserNickname(name);
        }
    }
    archiveFavorites();
    archivePushLocations();
    archiveHomeLocations();
}

std::string QOVLocationManager::favoriteNameForLocation(const QOVLocationIdentity& location) {
    const auto favorite = favoriteForLocation(location);
    const auto cache = m_cacheProvider ? m_cacheProvider() : nullptr;
    const auto cached = cache ? cache->cachedLocation(favorite ? *favorite : location) : nullptr;
    return cached ? cached->displayName() : std::string();
}

LocationList::Entries QOVLocationManager::allLocations() {
    std::scoped_lock guard(m_lock);
    const auto& favorites = m_favoriteLocations.entries();
    LocationList::Entries locations(favorites.rbegin(), favorites.rend());
    const auto current = currentLocation();
    if (!m_favoriteLocations.containsLocation(*current)) {
        locations.push_back(current);
    }
    return locations;
}

void QOVLocationManager::archiveFavorites() {
    std::scoped_lock guard(m_lock);
    archive(m_favoriteLocations);
    m_defaults->synchronize();
}

void QOVLocationManager::loadFavoritesFromArchive() { load(m_favoriteLocations); }

// --- Home and push slots ---

LocationList::Entries QOVLocationManager::entriesOf(const LocationList& list) {
    std::scoped_lock guard(m_lock);
    return list.entries();
}

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::locationIn(const LocationList& list,
                                                                    const QOVLocationIdentity& location) {
    std::scoped_lock guard(m_lock);
    return list.locationMatching(location);
}

void QOVLocationManager::archive(const LocationList& list) {
    std::scoped_lock guard(m_lock);
    list.archive(*m_defaults);
}

void QOVLocationManager::load(LocationList& list) {
    std::scoped_lock guard(m_lock);
    list.load(*m_defaults);
}

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::slotLocation(LocationList& list) {
    std::scoped_lock guard(m_lock);
    return list.empty() ? noLocation() : list.entries().front();
}

void QOVLocationManager::setSlotLocation(LocationList& list, const std::shared_ptr<QOVLocationIdentity>& location) {
    std::scoped_lock guard(m_lock);
    if (!list.empty() && list.entries().front() == location) {
        return;
    }
    list.clear();
    addSlotLocation(list, location);
}

void QOVLocationManager::addSlotLocation(LocationList& list, const std::shared_ptr<QOVLocationIdentity>& location) {
    std::scoped_lock guard(m_lock);
    if (location && !list.containsLocation(*location)) {
        list.append(location);
    }
    archive(list);
}

void QOVLocationManager::removeSlotLocation(LocationList& list, const std::shared_ptr<QOVLocationIdentity>& location) {
    std::scoped_lock guard(m_lock);
    if (location) {
        list.removeLocation(*location);
    }
    archive(list);
}

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::homeLocation() { return slotLocation(m_homeLocations); }

void QOVLocationManager::setHomeLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    setSlotLocation(m_homeLocations, location);
}

LocationList::Entries QOVLocationManager::homeLocations() { return entriesOf(m_homeLocations); }

void QOVLocationManager::addHomeLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    addSlotLocation(m_homeLocations, location);
}

void QOVLocationManager::removeHomeLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    removeSlotLocation(m_homeLocations, location);
}

void QOVLocationManager::removeAllHomeLocations() {
    std::scoped_lock guard(m_lock);
    m_homeLocations.clear();
    archiveHomeLocations();
}

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::homeLocationForLocation(const QOVLocationIdentity& location) {
    return locationIn(m_homeLocations, location);
}

bool QOVLocationManager::homeLocationsContainsLocation(const QOVLocationIdentity& location) {
    return homeLocationForLocation(location) != nullptr;
}

void QOVLocationManager::archiveHomeLocations() { archive(m_homeLocations); }

void QOVLocationManager::loadHomeLocationsFromArchive() { load(m_homeLocations); }

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::pushLocation() { return slotLocation(m_pushLocations); }

void QOVLocationManager::setPushLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    setSlotLocation(m_pushLocations, location);
}

LocationList::Entries QOVLocationManager::pushLocations() { return entriesOf(m_pushLocations); }

void QOVLocationManager::addPushLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    addSlotLocation(m_pushLocations, location);
}

void QOVLocationManager::removePushLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    removeSlotLocation(m_pushLocations, location);
}

void QOVLocationManager::removeAllPushLocations() {
    std::scoped_lock guard(m_lock);
    m_pushLocations.clear();
    archivePushLocations();
}

std::shared_ptr<QOVLocationIdentity> QOVLocationManager::pushLocationForLocation(const QOVLocationIdentity& location) {
    return locationIn(m_pushLocations, location);
}

bool QOVLocationManager::pushLocationsContainsLocation(const QOVLocationIdentity& location) {
    return pushLocationForLocation(location) != nullptr;
}

void QOVLocationManager::archivePushLocations() { archive(m_pushLocations); }

void QOVLocationManager::loadPushLocationsFromArchive() { load(m_pushLocations); }

// --- Pop rank ---

QOVLocationManager::PopRank QOVLocationManager::popRank() {
    std::scoped_lock guard(m_lock);
    return m_popRank;
}

void QOVLocationManager::setPopRank(PopRank popRank) {
    std::scoped_lock guard(m_lock);
    m_popRank = std::move(popRank);
}

void QOVLocationManager::archivePopRankData() {
    std::scoped_lock guard(m_lock);
    platform::Dictionary ranks;
    for (const auto& [identifier, rank] : m_popRank) {
        ranks.emplace(identifier, platform::Value(rank));
    }
    DefaultsArchive::store(*m_defaults, kPopRankDataKey, platform::Value(std::move(ranks)));
}

void QOVLocationManager::loadPopRanksFromArchive() {
    std::scoped_lock guard(m_lock);
    m_popRank.clear();
    const auto stored = DefaultsArchive::load(
        *m_defaults, kPopRankDataKey, [](const platform::Value& value) { return value.ifDictionary() != nullptr; });
    if (!stored) {
        return;
    }
    for (const auto& [identifier, rank] : *stored->ifDictionary()) {
        if (const auto* count = rank.ifInteger()) {
            m_popRank.emplace(identifier, *count);
        } else {
            QOV_LOG_WARN("Skipped a stored pop rank of {} that is not a number", identifier);
        }
    }
}

// --- Position ---

void QOVLocationManager::setupLocationSupport() {
    m_positionSource->setDelegate(std::weak_ptr<platform::geo::PositionSourceDelegate>(shared_from_this()));
    setUsingGPS(true);
    if (m_positionSource->locationServicesEnabled() &&
        m_positionSource->significantLocationChangeMonitoringAvailable()) {
        m_positionSource->stopMonitoringSignificantLocationChanges();
    }
}

void QOVLocationManager::tearDownLocationSupport() { m_positionSource->stopMonitoringSignificantLocationChanges(); }

void QOVLocationManager::updateCurrentLocationWithGPS() {
    post(kUpdateStartCurrentLocationWithGPSNotification);
    const auto recorded = locationHasUpdated() ? lastLocationUpdated() : nullptr;
    if (recorded) {
        post(kUpdateStopCurrentLocationWithGPSNotification, platform::Value(recorded));
        lookUpCoordinate(recorded->coordinate().latitude, recorded->coordinate().longitude);
    } else if (m_positionSource->locationServicesEnabled()) {
        m_positionSource->setDesiredAccuracy(platform::geo::PositionSource::kAccuracyBest);
        m_positionSource->startUpdatingLocation();
        setUsingGPS(true);
    } else {
        QOV_LOG_INFO("location services are off");
        post(kUpdateFailedCurrentLocationWithGPSNotification);
    }
}

void QOVLocationManager::didUpdateToLocation(platform::geo::PositionSource& source,
                                             const std::shared_ptr<platform::geo::PositionFix>& newFix,
                                             const std::shared_ptr<platform::geo::PositionFix>& /*oldFix*/) {
    if (!newFix) {
        return;
    }
    if (isUsingGPS()) {
        lookUpCoordinate(newFix->coordinate().latitude, newFix->coordinate().longitude);
        source.stopUpdatingLocation();
        return;
    }
    std::scoped_lock guard(m_lock);
    m_locationHasUpdated = true;
    m_lastLocationUpdated = newFix;
}

void QOVLocationManager::didFailWithError(platform::geo::PositionSource& source,
                                          const platform::geo::PositionError& error) {
    if (error.domain() == platform::geo::PositionError::kDomain) {
        if (error.code() == platform::geo::PositionError::kDenied) {
            QOV_LOG_INFO("user denied location services on device");
            QOV_LOG_INFO("location unavailable");
        } else if (error.code() == platform::geo::PositionError::kLocationUnknown) {
            QOV_LOG_INFO("location unavailable");
        }
    }
    QOV_LOG_INFO("location manager failed with error: {}", error.localizedDescription());
    post(kUpdateFailedCurrentLocationWithGPSNotification);
    if (isUsingGPS()) {
        source.stopUpdatingLocation();
        return;
    }
    std::scoped_lock guard(m_lock);
    m_locationHasUpdated = false;
    m_lastLocationUpdated.reset();
}

void QOVLocationManager::lookUpCoordinate(double latitude, double longitude) {
    const auto cache = m_cacheProvider ? m_cacheProvider() : nullptr;
    if (!cache) {
        QOV_LOG_ERROR("No application cache to look up {}, {}", latitude, longitude);
        post(kUpdateFailedCurrentLocationWithGPSNotification);
        return;
    }
    cache->getLocationForCoordinates(
        latitude, longitude, platform::bindWeak(shared_from_this(), &QOVLocationManager::coordinateLookupAnswered));
}

void QOVLocationManager::coordinateLookupAnswered(const platform::Value& result) {
    if (const auto location = result.object<QOVLocation>()) {
        locationFromCoordinatesUpdated(location);
        return;
    }
    QOV_LOG_INFO("the coordinate lookup found no location");
    post(kUpdateFailedCurrentLocationWithGPSNotification);
}

void QOVLocationManager::locationFromCoordinatesUpdated(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        QOV_LOG_INFO("the coordinate lookup found no location");
        post(kUpdateFailedCurrentLocationWithGPSNotification);
        return;
    }
    setCurrentLocation(location);
    post(kUpdateStopCurrentLocationWithGPSNotification, platform::Value(currentLocation()));
    post(kUpdateSucceededCurrentLocationWithGPSNotification, platform::Value(location));
}

std::shared_ptr<platform::geo::PositionFix> QOVLocationManager::lastLocationUpdated() {
    std::scoped_lock guard(m_lock);
    return m_lastLocationUpdated;
}

bool QOVLocationManager::locationHasUpdated() {
    std::scoped_lock guard(m_lock);
    return m_locationHasUpdated;
}

bool QOVLocationManager::isUsingGPS() {
    std::scoped_lock guard(m_lock);
    return m_usingGPS;
}

void QOVLocationManager::setUsingGPS(bool usingGPS) {
    std::scoped_lock guard(m_lock);
    m_usingGPS = usingGPS;
}

}  // namespace qov
