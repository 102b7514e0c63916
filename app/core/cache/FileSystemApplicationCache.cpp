#include "app/core/cache/FileSystemApplicationCache.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "app/core/cache/CacheFileName.h"
#include "app/core/cache/CacheLocationSource.h"
#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/error/QOVError.h"
#include "app/core/model/ModelClasses.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVPOIList.h"
#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"
#include "platform/net/Reachability.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/PrivateFolder.h"
#include "platform/storage/WriteTemporaries.h"
#include "platform/ui/Application.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

// The caller's answer, carried in a point-of-interest request's user information.
class POICallback : public platform::Object {
public:
    explicit POICallback(ApplicationCache::POIListCallback function) : m_function(std::move(function)) {}
    void operator()(const std::shared_ptr<QOVPOIList>& list) const {
        if (m_function) {
            m_function(list);
        }
    }

private:
    ApplicationCache::POIListCallback m_function;
};

// The name of the file a record belongs in, which must be the name it was read from.
std::string fileNameOf(const QOVLocation& location) {
    return FileSystemApplicationCache::fileNameForLocationId(location);
}
std::string fileNameOf(const QOVMobileAppConfig& configuration) {
    return FileSystemApplicationCache::fileNameForApplicationId(configuration.applicationId());
}
std::string fileNameOf(const QOVPOIList& list) {
    return FileSystemApplicationCache::fileNameForPOIType(static_cast<std::int32_t>(list.type()), list.quadKey());
}

}  // namespace

FileSystemApplicationCache::FileSystemApplicationCache(const std::shared_ptr<QOVDatasouce>& datasource,
                                                       std::filesystem::path cachesDirectory)
    : ApplicationCache(datasource), m_cachesDirectory(std::move(cachesDirectory)) {
    registerModelClasses();
    // The loop keeps the timer; the destructor invalidates it, so the callback never outlives the cache.
    m_cacheValidationTimer = platform::RunLoop::main().scheduleTimer(
        kValidationInterval, true, [this](platform::Timer&) { validateCacheContents(); });
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(this, platform::ui::kApplicationDidBecomeActiveNotification,
                       [this](const platform::Notification&) { validateCacheContents(); });
    center.addObserver(
        this, platform::net::Reachability::kChangedNotification,
        [this](const platform::Notification& notification) { reachabilityChangedNotification(notification); });
}

FileSystemApplicationCache::~FileSystemApplicationCache() {
    m_cacheValidationTimer->invalidate();
    auto& center = platform::NotificationCenter::defaultCenter();
    center.removeObserver(this, platform::ui::kApplicationDidBecomeActiveNotification);
    center.removeObserver(this, platform::net::Reachability::kChangedNotification);
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelAllRequests();
    }
}

// --- File names and files ---

std::string FileSystemApplicationCache::fileNameForLocationId(const QOVLocationIdentity& identity) {
    return CacheFileName::encode(identity.identifierAsString() + kLocationSuffix);
}

std::string FileSystemApplicationCache::fileNameForApplicationId(const std::string& applicationId) {
    return CacheFileName::encode(applicationId + kConfigurationSuffix);
}

std::string FileSystemApplicationCache::fileNameForPOIType(std::int32_t type, const std::string& quadKey) {
    return CacheFileName::encode(quadKey + "_" + std::to_string(type) + kPOISuffix);
}

std::filesystem::path FileSystemApplicationCache::cachesPathURLWithFileName(const std::string& fileName) const {
    return m_cachesDirectory / kCacheFolderName / fileName;
}

std::vector<std::string> FileSystemApplicationCache::pathsForCurrentCacheFilesWithSuffix(
    const std::string& suffix) const {
    std::scoped_lock guard(lock());
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(m_cachesDirectory / kCacheFolderName, error);
    if (error) {
        return names;
    }
    for (const auto& entry : entries) {
        std::string name = entry.path().filename().string();
        if (name.ends_with(suffix)) {
            names.push_back(std::move(name));
        }
    }
    // Listing order is the file system's; a fixed order keeps passes repeatable.
    std::sort(names.begin(), names.end());
    return names;
}

bool FileSystemApplicationCache::cacheFileExistsForPath(const std::filesystem::path& file) const {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

template <typename T>
std::shared_ptr<T> FileSystemApplicationCache::unarchiveCacheFile(const std::filesystem::path& file) {
    std::scoped_lock guard(lock());
    if (!cacheFileExistsForPath(file)) {
        return nullptr;
    }
    return keepIfItBelongsToItsFile(
        file, std::dynamic_pointer_cast<T>(platform::KeyedUnarchiver::unarchiveObjectWithFile(file)));
}

template <typename T>
std::shared_ptr<T> FileSystemApplicationCache::keepIfItBelongsToItsFile(const std::filesystem::path& file,
                                                                        std::shared_ptr<T> object) {
    if (!object) {
        QOV_LOG_WARN("unreadable cache file {}: removed", file.string());
        removeCacheFile(file);
    } else if (fileNameOf(*object) != file.filename().string()) {
        QOV_LOG_WARN("cache file {} holds the record of {}: removed", file.string(), fileNameOf(*object));
        removeCacheFile(file);
        object.reset();
    }
    return object;
}

std::shared_ptr<QOVLocation> FileSystemApplicationCache::createLocationFromDataInCachePath(
    const std::filesystem::path& file) {
    return unarchiveCacheFile<QOVLocation>(file);
}

std::shared_ptr<QOVMobileAppConfig> FileSystemApplicationCache::createConfigFromDataInCachePath(
    const std::filesystem::path& file) {
    return unarchiveCacheFile<QOVMobileAppConfig>(file);
}

std::shared_ptr<QOVPOIList> FileSystemApplicationCache::createPOIListFromDataInCachePath(
    const std::filesystem::path& file) {
    return unarchiveCacheFile<QOVPOIList>(file);
}

std::shared_ptr<QOVLocation> FileSystemApplicationCache::createLocationSummaryFromDataInCachePath(
    const std::filesystem::path& file) {
    std::scoped_lock guard(lock());
    if (auto remembered = rememberedLocation(file, stampOf(file))) {
        return remembered;
    }
    if (!cacheFileExistsForPath(file)) {
        return nullptr;
    }
    return keepIfItBelongsToItsFile(file, QOVLocation::unarchiveSummaryFromFile(file));
}

void FileSystemApplicationCache::createOrReplaceFile(const std::filesystem::path& file,
                                                     const platform::Archivable& object) {
    std::scoped_lock guard(lock());
    m_lastRead.reset();
    if (const std::error_code error = platform::PrivateFolder::ensure(file.parent_path())) {
        QOV_LOG_ERROR("could not create location cache directory: {}", error.message());
    }
    const auto data = platform::KeyedArchiver::archivedDataWithRootObject(object);
    std::error_code error = std::make_error_code(std::errc::invalid_argument);
    if (!data ||
        !platform::AtomicFile::write(file, std::string_view(reinterpret_cast<const char*>(data->data()), data->size()),
                                     kFileMode, error)) {
        QOV_LOG_ERROR("Could not write the cache file {}: {} ({}).", file.string(), error.message(),
                      error.category().name());
    }
}

void FileSystemApplicationCache::removeCacheFile(const std::filesystem::path& file) {
    std::scoped_lock guard(lock());
    m_lastRead.reset();
    std::error_code error;
    if (!std::filesystem::remove(file, error)) {
        if (!error) {
            error = std::make_error_code(std::errc::no_such_file_or_directory);
        }
        QOV_LOG_WARN("Could not remove the cache file {}: {} ({}).", file.string(), error.message(),
                     error.category().name());
    }
}

void FileSystemApplicationCache::removeAllFilesWithSuffix(const std::string& suffix) {
    std::scoped_lock guard(lock());
    for (const auto& name : pathsForCurrentCacheFilesWithSuffix(suffix)) {
        removeCacheFile(cachesPathURLWithFileName(name));
    }
}

// --- Locations ---

void FileSystemApplicationCache::storeLocation(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        return;
    }
    std::scoped_lock guard(lock());
    createOrReplaceFile(cachesPathURLWithFileName(fileNameForLocationId(*location)), *location);
    notifyDelegatesForLocation(location);
}

std::shared_ptr<QOVLocation> FileSystemApplicationCache::cachedLocation(const QOVLocationIdentity& identity) {
    const auto file = cachesPathURLWithFileName(fileNameForLocationId(identity));
    std::scoped_lock guard(lock());
    const auto stamp = stampOf(file);
    if (auto remembered = rememberedLocation(file, stamp)) {
        return remembered;
    }
    auto location = createLocationFromDataInCachePath(file);
    if (location && stamp) {
        m_lastRead = LastRead{file, *stamp, std::make_shared<const QOVLocation>(*location)};
    }
    return location;
}

std::shared_ptr<QOVLocation> FileSystemApplicationCache::rememberedLocation(
    const std::filesystem::path& file, const std::optional<FileStamp>& stamp) const {
    if (!stamp || !m_lastRead || m_lastRead->file != file || m_lastRead->stamp != *stamp) {
        return nullptr;
    }
    return std::make_shared<QOVLocation>(*m_lastRead->location);
}

std::optional<FileSystemApplicationCache::FileStamp> FileSystemApplicationCache::stampOf(
    const std::filesystem::path& file) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(file, error);
    const std::uintmax_t size = error ? 0 : std::filesystem::file_size(file, error);
    if (error) {
        return std::nullopt;
    }
    return FileStamp{modified, size};
}

void FileSystemApplicationCache::removeLocationHavingId(const QOVLocationIdentity& identity) {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestForLocation(identity);
    }
    removeCacheFile(cachesPathURLWithFileName(fileNameForLocationId(identity)));
}

void FileSystemApplicationCache::removeAllLocations() {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestsForAllLocations();
    }
    removeAllFilesWithSuffix(kLocationSuffix);
}

void FileSystemApplicationCache::forceUpdateForLocationIdentity(const QOVLocationIdentity& identity) {
    const auto location = cachedLocation(identity);
    if (!location) {
        return;
    }
    platform::dispatchMain([weakCache = weak_from_this(), location] {
        if (const auto cache = weakCache.lock()) {
            cache->notifyDelegatesForLocation(location);
        }
    });
}

// --- Configurations ---

void FileSystemApplicationCache::storeConfiguration(const std::shared_ptr<QOVMobileAppConfig>& configuration) {
    if (!configuration) {
        return;
    }
    std::scoped_lock guard(lock());
    createOrReplaceFile(cachesPathURLWithFileName(fileNameForApplicationId(configuration->applicationId())),
                        *configuration);
    notifyDelegatesForConfiguration(configuration);
}

std::shared_ptr<QOVMobileAppConfig> FileSystemApplicationCache::cachedConfigurationForId(
    const std::string& applicationId) {
    return createConfigFromDataInCachePath(cachesPathURLWithFileName(fileNameForApplicationId(applicationId)));
}

void FileSystemApplicationCache::removeConfigurationHavingId(const std::string& applicationId) {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestForConfiguration(applicationId);
    }
    removeCacheFile(cachesPathURLWithFileName(fileNameForApplicationId(applicationId)));
}

void FileSystemApplicationCache::removeAllConfigurations() {
    std::scoped_lock guard(lock());
    if (const auto source = datasource()) {
        source->cancelRequestsForAllConfigurations();
    }
    removeAllFilesWithSuffix(kConfigurationSuffix);
}

// --- Points of interest ---

std::shared_ptr<QOVPOIList> FileSystemApplicationCache::cachedPOIForType(std::int32_t type,
                                                                         const std::string& quadKey) {
    return createPOIListFromDataInCachePath(cachesPathURLWithFileName(fileNameForPOIType(type, quadKey)));
}

void FileSystemApplicationCache::removePOICacheWithType(std::int32_t type, const std::string& quadKey) {
    removeCacheFile(cachesPathURLWithFileName(fileNameForPOIType(type, quadKey)));
}

void FileSystemApplicationCache::cachedPOIType(std::int32_t type, const std::string& quadKey,
                                               POIListCallback callback) {
    std::scoped_lock guard(lock());
    if (const auto list = cachedPOIForType(type, quadKey); list && !list->isStale()) {
        if (callback) {
            callback(list);
        }
        return;
    }
    if (const auto source = datasource()) {
        source->requestPointsOfInterestForType(
            type, quadKey,
            platform::Dictionary{{kPOICallbackObjKey, std::make_shared<POICallback>(std::move(callback))},
                                 {kPOIQuadKeyKey, quadKey},
                                 {kPOITypeKey, type}});
    }
}

void FileSystemApplicationCache::storePOIList(const std::vector<std::shared_ptr<QOVPointOfInterest>>& points,
                                              const platform::Dictionary& userInfo) {
    const platform::Value* quadKey = platform::valueForKey(userInfo, kPOIQuadKeyKey);
    const platform::Value* type = platform::valueForKey(userInfo, kPOITypeKey);
    if (!quadKey || !quadKey->ifString() || !type || !type->ifInteger()) {
        QOV_LOG_WARN("points of interest without their quad key and type: not stored");
        return;
    }
    const auto typeValue = static_cast<std::int32_t>(*type->ifInteger());
    auto list = std::make_shared<QOVPOIList>();
    list->setType(static_cast<std::uint32_t>(typeValue));
    list->setQuadKey(*quadKey->ifString());
    list->setPoiLocations(points);
    std::scoped_lock guard(lock());
    createOrReplaceFile(cachesPathURLWithFileName(fileNameForPOIType(typeValue, *quadKey->ifString())), *list);
    if (const platform::Value* target = platform::valueForKey(userInfo, kPOICallbackObjKey)) {
        if (const auto callback = target->object<POICallback>()) {
            (*callback)(list);
        }
    }
}

// --- Validation ---

void FileSystemApplicationCache::validateCacheContents() {
    std::scoped_lock guard(lock());
    if (!networkIsReachable()) {
        warnOffline();
        return;
    }
    m_userAlertTimeStamp.reset();
    platform::WriteTemporaries::removeLeftovers(m_cachesDirectory / kCacheFolderName);
    validateLocations();
    validateConfigurations();
    validatePointsOfInterest();
}

void FileSystemApplicationCache::validateLocations() {
    const auto source = locationSource();
    const auto current = source ? source->currentLocation() : nullptr;
    const auto service = datasource();
    std::vector<std::shared_ptr<QOVLocation>> favouritesToRefresh;
    for (const auto& name : pathsForCurrentCacheFilesWithSuffix(kLocationSuffix)) {
        const auto file = cachesPathURLWithFileName(name);
        const auto location = createLocationSummaryFromDataInCachePath(file);
        if (!location) {
            continue;
        }
        const bool isCurrent = current && location->isEqualToLocation(*current);
        if (location->isInvalid()) {
            if (isCurrent || (source && source->favoritesContainsLocation(*location))) {
                if (service) {
                    service->requestLocation(*location);
                }
            } else {
                removeCacheFile(file);
            }
        } else if (location->isStale()) {
            if (isCurrent) {
                if (service) {
                    service->requestLocation(*location);
                }
            } else if (source && source->favoritesContainsLocation(*location)) {
                favouritesToRefresh.push_back(location);
            }
        }
    }
    if (service) {
        for (const auto& location : favouritesToRefresh) {
            service->requestLocation(*location);
        }
    }
}

void FileSystemApplicationCache::validateConfigurations() {
    const auto service = datasource();
    for (const auto& name : pathsForCurrentCacheFilesWithSuffix(kConfigurationSuffix)) {
        const auto configuration = createConfigFromDataInCachePath(cachesPathURLWithFileName(name));
        if (configuration && configuration->isStale() && service) {
            service->requestConfigurationForApplicationId(configuration->applicationId(), configuration->ttl());
        }
    }
}

void FileSystemApplicationCache::validatePointsOfInterest() {
    for (const auto& name : pathsForCurrentCacheFilesWithSuffix(kPOISuffix)) {
        const auto file = cachesPathURLWithFileName(name);
        if (const auto list = createPOIListFromDataInCachePath(file); list && list->isStale()) {
            removeCacheFile(file);
        }
    }
}

void FileSystemApplicationCache::warnOffline() {
    const platform::Date now = platform::Clock::shared()->now();
    if (m_userAlertTimeStamp) {
        const double elapsed = now.timeIntervalSince(*m_userAlertTimeStamp);
        if (elapsed < kOfflineWarningInterval || std::isnan(elapsed)) {
            return;
        }
    }
    m_userAlertTimeStamp = now;
    QOVError::fireErrorWithCategory(
        0, 1, platform::Bundle::main().localizedString("error.network.connectionfailed", ""), weak_from_this().lock());
}

bool FileSystemApplicationCache::networkIsReachable() {
    std::scoped_lock guard(lock());
    if (platform::net::Reachability::shared()->isReachable()) {
        return true;
    }
    m_awaitingNetwork = true;
    return false;
}

void FileSystemApplicationCache::reachabilityChangedNotification(const platform::Notification&) {
    {
        std::scoped_lock guard(lock());
        if (!m_awaitingNetwork || !platform::net::Reachability::shared()->isReachable()) {
            return;
        }
        m_awaitingNetwork = false;
    }
    validateCacheContents();
}

std::optional<platform::Date> FileSystemApplicationCache::userAlertTimeStamp() const {
    std::scoped_lock guard(lock());
    return m_userAlertTimeStamp;
}

}  // namespace qov
