#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

#include "app/core/cache/ApplicationCache.h"
#include "platform/base/Date.h"
#include "platform/storage/AppDirectories.h"

namespace platform {
class Archivable;
class Timer;
}  // namespace platform

namespace qov {

// The application cache in use: one keyed-archive file per location ("KEY:TYPE.LocationCache"), application
// configuration ("<id>.AppConfig") and point-of-interest list ("<quadkey>_<type>.POICache") in the "AppCache"
// folder of the caches directory, so the application starts from what it fetched before and keeps showing it
// without a network.
//
// A validation pass (every 45 s on the main run loop, when the application becomes active, and when the network
// comes back after a pass found it unreachable) re-requests stale locations and configurations, deletes invalid
// locations nobody needs and stale point-of-interest lists, and, while the network is unreachable, warns the user
// at most once every 1500 s through the error registry.
//
// Files are written atomically and durably, mode 0600 in a 0700 folder. A file that exists but does not unarchive,
// or holds the record of another name, counts as not cached and is deleted. Keys, application ids and quad keys
// cannot name a file outside the folder (see CacheFileName). A pass also removes the temporaries of interrupted
// writes.
class FileSystemApplicationCache : public ApplicationCache {
public:
    static constexpr double kValidationInterval = 45.0;
    static constexpr double kOfflineWarningInterval = 1500.0;
    static constexpr const char* kCacheFolderName = platform::AppDirectories::kApplicationCacheFolder;
    static constexpr const char* kLocationSuffix = ".LocationCache";
    static constexpr const char* kConfigurationSuffix = ".AppConfig";
    static constexpr const char* kPOISuffix = ".POICache";
    static constexpr mode_t kFileMode = 0600;
    // The user information of a point-of-interest request.
    static constexpr const char* kPOICallbackObjKey = "kPOICallbackObjKey";
    static constexpr const char* kPOIQuadKeyKey = "kPOIQuadKeyKey";
    static constexpr const char* kPOITypeKey = "kPOITypeKey";

    // cachesDirectory: the folder that holds "AppCache" (created on the first write).
    FileSystemApplicationCache(const std::shared_ptr<QOVDatasouce>& datasource, std::filesystem::path cachesDirectory);
    ~FileSystemApplicationCache() override;

    void storeLocation(const std::shared_ptr<QOVLocation>& location) override;
    std::shared_ptr<QOVLocation> cachedLocation(const QOVLocationIdentity& identity) override;
    void removeLocationHavingId(const QOVLocationIdentity& identity) override;
    void removeAllLocations() override;
    // Announces the cached location again on a later turn of the main loop; requests nothing.
    void forceUpdateForLocationIdentity(const QOVLocationIdentity& identity) override;
    void storeConfiguration(const std::shared_ptr<QOVMobileAppConfig>& configuration) override;
    std::shared_ptr<QOVMobileAppConfig> cachedConfigurationForId(const std::string& applicationId) override;
    void removeConfigurationHavingId(const std::string& applicationId) override;
    void removeAllConfigurations() override;
    void storePOIList(const std::vector<std::shared_ptr<QOVPointOfInterest>>& points,
                      const platform::Dictionary& userInfo) override;
    void cachedPOIType(std::int32_t type, const std::string& quadKey, POIListCallback callback) override;
    // The stored list of that type and quad key, whatever its age, or nullptr.
    std::shared_ptr<QOVPOIList> cachedPOIForType(std::int32_t type, const std::string& quadKey);
    void removePOICacheWithType(std::int32_t type, const std::string& quadKey);

    // File names, encoded by CacheFileName, so that no name leaves the folder, hides in it or holds a control
    // character; ":" is kept.
    static std::string fileNameForLocationId(const QOVLocationIdentity& identity);
    static std::string fileNameForApplicationId(const std::string& applicationId);
    static std::string fileNameForPOIType(std::int32_t type, const std::string& quadKey);

    const std::filesystem::path& cachesDirectory() const { return m_cachesDirectory; }
    // <caches directory>/AppCache/<file name>.
    std::filesystem::path cachesPathURLWithFileName(const std::string& fileName) const;
    // The names (not paths) of the folder's entries ending with the suffix; none when it cannot be read.
    std::vector<std::string> pathsForCurrentCacheFilesWithSuffix(const std::string& suffix) const;

    void validateCacheContents();
    bool networkIsReachable();
    void reachabilityChangedNotification(const platform::Notification& notification);
    // When the last offline warning was given; cleared by every pass that finds the network.
    std::optional<platform::Date> userAlertTimeStamp() const;

private:
    bool cacheFileExistsForPath(const std::filesystem::path& file) const;
    std::shared_ptr<QOVLocation> createLocationFromDataInCachePath(const std::filesystem::path& file);
    std::shared_ptr<QOVMobileAppConfig> createConfigFromDataInCachePath(const std::filesystem::path& file);
    std::shared_ptr<QOVPOIList> createPOIListFromDataInCachePath(const std::filesystem::path& file);
    // What a validation pass decides on: the identity and creation date of a cached location, read without its
    // weather; a file that exists but does not read, or holds another identifier's record, is deleted.
    std::shared_ptr<QOVLocation> createLocationSummaryFromDataInCachePath(const std::filesystem::path& file);
    // The archived object of the file, or nullptr; a file that exists but does not read is deleted.
    template <typename T>
    std::shared_ptr<T> unarchiveCacheFile(const std::filesystem::path& file);
    // The object read from the file, unless it is missing or is the record of another identifier than the file's
    // name says; then the file is deleted (logged) and the answer is nullptr.
    template <typename T>
    std::shared_ptr<T> keepIfItBelongsToItsFile(const std::filesystem::path& file, std::shared_ptr<T> object);
    void createOrReplaceFile(const std::filesystem::path& file, const platform::Archivable& object);
    void removeCacheFile(const std::filesystem::path& file);
    void removeAllFilesWithSuffix(const std::string& suffix);
    void validateLocations();
    void validateConfigurations();
    void validatePointsOfInterest();
    void warnOffline();

    // The location record read last and the state of the file it came from, so that the many readers of one
    // place at start (screens, summary, location manager, data source) decode its file once. Each reader gets
    // its own copy of the record (sharing the forecasts, which nobody changes once built); a validation pass takes
    // its summary from it too. Any write or removal through the cache forgets it; a file changed from outside is
    // read again.
    struct FileStamp {
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct LastRead {
        std::filesystem::path file;
        FileStamp stamp;
        std::shared_ptr<const QOVLocation> location;
    };
    std::optional<LastRead> m_lastRead;
    // The file's modification time and size; nothing when it cannot be read.
    static std::optional<FileStamp> stampOf(const std::filesystem::path& file);
    // With the lock held: a copy of the remembered record when it came from the file as the stamp gives it now;
    // nullptr otherwise.
    std::shared_ptr<QOVLocation> rememberedLocation(const std::filesystem::path& file,
                                                    const std::optional<FileStamp>& stamp) const;
    std::shared_ptr<platform::Timer> m_cacheValidationTimer;
    std::optional<platform::Date> m_userAlertTimeStamp;
    // A pass found the network unreachable: the next reachability change to reachable runs a pass.
    bool m_awaitingNetwork = false;
    std::filesystem::path m_cachesDirectory;
};

}  // namespace qov
