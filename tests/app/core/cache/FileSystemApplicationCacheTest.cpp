#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <plist/plist.h>
#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/error/QOVError.h"
#include "app/core/model/QOVMobileAppConfig.h"

#include "platform/base/NotificationCenter.h"
#include "platform/net/Reachability.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/PropertyList.h"
#include "platform/storage/WriteTemporaries.h"
#include "platform/ui/Application.h"
#include "tests/app/core/cache/CacheFixture.h"
#include "tests/app/core/cache/RecordingLocationListener.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace {

namespace fs = std::filesystem;
using qov::FileSystemApplicationCache;
using qovtest::RecordingLocationListener;

class FileSystemApplicationCacheTest : public qovtest::CacheFixture {
protected:
    FileSystemApplicationCacheTest() {
        cache->setLocationSource(locations);
        platform::NotificationCenter::defaultCenter().addObserver(
            this, qov::QOVError::kFiredNotification, [this](const platform::Notification& notification) {
                const auto* error = platform::valueForKey(notification.userInfo, qov::QOVError::kErrorKey);
                warnings.push_back(error ? error->object<qov::QOVError>() : nullptr);
            });
    }
    ~FileSystemApplicationCacheTest() override { platform::NotificationCenter::defaultCenter().removeObserver(this); }

    fs::path folder() const { return home.path() / "AppCache"; }
    fs::path locationFile(const std::string& key, int type = 1) const {
        return folder() / (key + ":" + std::to_string(type) + ".LocationCache");
    }
    void writeBytes(const fs::path& file, const std::string& bytes) const {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::vector<std::string> filesUnderHome() const {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(home.path())) {
            if (entry.is_regular_file()) {
                files.push_back(fs::relative(entry.path(), home.path()).string());
            }
        }
        return files;
    }

    qovtest::TempHome home;
    qovtest::TestBundle bundle;
    std::shared_ptr<FileSystemApplicationCache> cache =
        std::make_shared<FileSystemApplicationCache>(datasource, home.path());
    std::shared_ptr<RecordingLocationListener> listener = std::make_shared<RecordingLocationListener>();
    std::vector<std::shared_ptr<qov::QOVError>> warnings;
};

// --- Files ---

TEST_F(FileSystemApplicationCacheTest, StoredLocationIsAKeyedArchiveNamedByItsIdentifier) {
    cache->storeLocation(makeLocation("USGA0028"));
    const auto archived = platform::KeyedUnarchiver::unarchiveObjectWithFile(locationFile("USGA0028"));
    const auto location = std::dynamic_pointer_cast<qov::QOVLocation>(archived);
    ASSERT_NE(location, nullptr);
    EXPECT_EQ(location->identifierAsString(), "USGA0028:1");

    // A new cache over the same folder serves it, whatever its age.
    cache.reset();
    advance(7200.0);
    const auto reopened = std::make_shared<FileSystemApplicationCache>(datasource, home.path());
    const auto cached = reopened->cachedLocation(*identity("USGA0028"));
    ASSERT_NE(cached, nullptr);
    EXPECT_TRUE(cached->isInvalid());
}

// Readers of one place share one reading of its file, yet each gets a record of its own; what is stored
// afterwards, or written over the file from outside, is what the next reader gets.
TEST_F(FileSystemApplicationCacheTest, EachReaderGetsItsOwnRecordOfTheNewestFile) {
    cache->storeLocation(makeLocation("USGA0028"));
    const auto first = cache->cachedLocation(*identity("USGA0028"));
    const auto second = cache->cachedLocation(*identity("USGA0028"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    first->setUserNickname("Home");
    EXPECT_FALSE(second->userNickname().has_value());
    EXPECT_FALSE(cache->cachedLocation(*identity("USGA0028"))->userNickname().has_value());

    auto renamed = makeLocation("USGA0028");
    renamed->setName("Stored anew");
    cache->storeLocation(renamed);
    EXPECT_EQ(cache->cachedLocation(*identity("USGA0028"))->name(), "Stored anew");

    auto outside = makeLocation("USGA0028");
    outside->setName("Written from outside, a little longer");
    ASSERT_TRUE(platform::KeyedArchiver::archiveRootObject(*outside, locationFile("USGA0028")));
    EXPECT_EQ(cache->cachedLocation(*identity("USGA0028"))->name(), "Written from outside, a little longer");
    fs::remove(locationFile("USGA0028"));
    EXPECT_EQ(cache->cachedLocation(*identity("USGA0028")), nullptr);
}

TEST_F(FileSystemApplicationCacheTest, UnreadableFileCountsAsNotCachedIsDeletedAndRequested) {
    writeBytes(locationFile("USGA0028"), "bplist00 this is not an archive");
    const auto good = platform::KeyedArchiver::archivedDataWithRootObject(*makeLocation("GBXX0001"));
    ASSERT_TRUE(good);
    writeBytes(locationFile("GBXX0001"), std::string(good->begin(), good->begin() + good->size() / 2));
    platform::KeyedArchiver::archiveRootObject(*identity("USNY0996"), locationFile("USNY0996"));      // another class
    platform::KeyedArchiver::archiveRootObject(*makeLocation("GBXX0002"), locationFile("CAXX0001"));  // another place

    for (const char* key : {"USGA0028", "GBXX0001", "USNY0996", "CAXX0001"}) {
        cache->startListeningForLocationId(identity(key), listener);
        EXPECT_FALSE(fs::exists(locationFile(key))) << key;
    }
    EXPECT_TRUE(listener->received.empty());
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"requestLocation USGA0028:1", "requestLocation GBXX0001:1",
                                        "requestLocation USNY0996:1", "requestLocation CAXX0001:1"}));
}

TEST_F(FileSystemApplicationCacheTest, HostileKeysNeverNameAFileOutsideTheFolder) {
    const std::vector<std::string> keys{
        "../../escape", "a/b",   "..",          ".hidden",        "back\\slash",
        "100%",         "a%2Fb", "line\nbreak", "esc\x1b[2J\x7f", std::string("nul\0byte", 8),
        "/abs"};
    for (const auto& key : keys) {
        cache->storeLocation(makeLocation(key));
    }
    const auto files = filesUnderHome();
    EXPECT_EQ(files.size(), keys.size());
    for (const auto& file : files) {
        EXPECT_EQ(fs::path(file).parent_path(), "AppCache") << file;
        EXPECT_NE(fs::path(file).filename().string().front(), '.') << file;
        EXPECT_TRUE(std::none_of(file.begin(), file.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
            << file;
    }
    for (const auto& key : keys) {
        const auto cached = cache->cachedLocation(*identity(key));
        if (key.find('\0') == std::string::npos) {
            ASSERT_NE(cached, nullptr) << key;
            EXPECT_EQ(cached->key(), key);
        } else {
            EXPECT_EQ(cached, nullptr) << "archived texts end at a NUL, so the record names another file";
        }
    }
    EXPECT_EQ(FileSystemApplicationCache::fileNameForLocationId(*identity("a/b")), "a%2Fb:1.LocationCache");
    EXPECT_EQ(FileSystemApplicationCache::fileNameForLocationId(*identity("a%2Fb")), "a%252Fb:1.LocationCache");
    EXPECT_EQ(FileSystemApplicationCache::fileNameForLocationId(*identity("..")), "%2E.:1.LocationCache");
    EXPECT_EQ(FileSystemApplicationCache::fileNameForLocationId(*identity("a\nb\x7f")), "a%0Ab%7F:1.LocationCache");
    EXPECT_EQ(FileSystemApplicationCache::fileNameForApplicationId("../x"), "%2E.%2Fx.AppConfig");
    EXPECT_EQ(FileSystemApplicationCache::fileNameForPOIType(1, "../0231"), "%2E.%2F0231_1.POICache");
}

TEST_F(FileSystemApplicationCacheTest, FailedWritesAndRemovalsOnlyLogTheErrorAndItsDomain) {
    const qovtest::LogCapture log;
    const std::string longKey(300, 'k');
    cache->startListeningForLocationId(identity(longKey), listener);
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    loop().runUntilIdle();
    cache->storeLocation(makeLocation(longKey));
    fs::remove_all(folder());
    writeBytes(folder(), "a file where the folder should be");
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(cache->cachedLocation(*identity(longKey)), nullptr);
    EXPECT_EQ(cache->cachedLocation(*identity("USGA0028")), nullptr);
    cache->removeLocationHavingId(*identity("NOTCACHED"));

    EXPECT_EQ(listener->received.size(), 2u) << "listeners are told all the same";
    EXPECT_TRUE(log.contains(": File name too long (system)."));
    EXPECT_TRUE(log.contains("could not create location cache directory: File exists"));
    EXPECT_TRUE(log.contains("Could not write the cache file " + locationFile("USGA0028").string() +
                             ": Not a directory (system)."));
    EXPECT_TRUE(log.contains("Could not remove the cache file " + locationFile("NOTCACHED").string() + ": "));
}

TEST_F(FileSystemApplicationCacheTest, FilesArePrivateToTheUser) {
    ASSERT_FALSE(fs::exists(folder()));
    cache->storeLocation(makeLocation("USGA0028"));
    cache->storeConfiguration(std::make_shared<qov::QOVMobileAppConfig>("app", 900.0));
    EXPECT_EQ(fs::status(folder()).permissions(), fs::perms(0700));
    for (const auto& name : {"USGA0028:1.LocationCache", "app.AppConfig"}) {
        EXPECT_EQ(fs::status(folder() / name).permissions(), fs::perms(0600)) << name;
    }
}

TEST_F(FileSystemApplicationCacheTest, RecordWithoutACreationDateIsOld) {
    const auto archive = platform::KeyedArchiver::archivedDataWithRootObject(*makeLocation("USGA0028"));
    ASSERT_TRUE(archive);
    std::string problem;
    const auto root = platform::PropertyList::parseBinary(
        std::string_view(reinterpret_cast<const char*>(archive->data()), archive->size()), problem);
    ASSERT_TRUE(root);
    plist_dict_remove_item(root.get(), "creationDate");
    writeBytes(locationFile("USGA0028"), *platform::PropertyList::binaryBytes(root.get()));

    const auto cached = cache->cachedLocation(*identity("USGA0028"));
    ASSERT_NE(cached, nullptr);
    EXPECT_FALSE(cached->creationDate());
    EXPECT_TRUE(cached->isStale());
    EXPECT_TRUE(cached->isInvalid());
}

TEST_F(FileSystemApplicationCacheTest, PassRemovesWhatInterruptedWritesLeftBehind) {
    cache->storeLocation(makeLocation("USGA0028"));
    writeBytes(folder() / "qovara-tmp-USGA0028:1.LocationCache-a1B2c3", "half an archive");
    fs::last_write_time(folder() / "qovara-tmp-USGA0028:1.LocationCache-a1B2c3",
                        fs::file_time_type::clock::now() - platform::WriteTemporaries::kDeadAfter);
    writeBytes(folder() / "notes.tmp-a1B2c3", "not ours");
    advance(45.0);
    EXPECT_EQ(filesUnderHome(),
              (std::vector<std::string>{"AppCache/USGA0028:1.LocationCache", "AppCache/notes.tmp-a1B2c3"}));
}

TEST_F(FileSystemApplicationCacheTest, DestroyingTheCacheCancelsTheDataSourceRequests) {
    class HeldRequest : public platform::Operation {
        void main() override {}
    };
    datasource->queue().setMaxConcurrentOperationCount(0);
    const auto request = std::make_shared<HeldRequest>();
    datasource->queue().addOperation(request);
    cache.reset();
    EXPECT_TRUE(request->isCancelled());
}

TEST_F(FileSystemApplicationCacheTest, RemovingCancelsRequestsAndRemovingAllLocationsKeepsOtherFiles) {
    cache->storeLocation(makeLocation("USGA0028"));
    cache->storeLocation(makeLocation("USNY0996"));
    cache->storeLocation(makeLocation("GBXX0001", 4));
    cache->storeConfiguration(std::make_shared<qov::QOVMobileAppConfig>("app", 900.0));
    cache->removeLocationHavingId(*identity("USNY0996"));
    cache->removeLocationHavingId(*identity("XXXX0000"));
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"cancelRequestForLocation USNY0996:1", "cancelRequestForLocation XXXX0000:1"}));
    cache->removeAllLocations();
    EXPECT_EQ(filesUnderHome(), std::vector<std::string>{"AppCache/app.AppConfig"});

    cache->removeAllConfigurations();
    EXPECT_TRUE(filesUnderHome().empty());
}

TEST_F(FileSystemApplicationCacheTest, ForcedUpdateAnnouncesTheCachedLocationOnTheNextTurn) {
    cache->storeLocation(makeLocation("USGA0028", 1, 4000.0));
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    loop().runUntilIdle();
    ASSERT_EQ(listener->received.size(), 1u);

    cache->forceUpdateForLocationIdentity(*identity("USGA0028"));
    cache->forceUpdateForLocationIdentity(*identity("GBXX0001"));
    EXPECT_EQ(listener->received.size(), 1u);
    loop().runUntilIdle();
    EXPECT_EQ(listener->received.size(), 2u);
    EXPECT_TRUE(datasource->calls.empty());
}

// --- Validation ---

// The pass reads only identity and age, and deletes what does not read as a location, as a full read does.
TEST_F(FileSystemApplicationCacheTest, InvalidLocationsAreKeptOnlyWhenCurrentOrFavourite) {
    cache->storeLocation(makeLocation("CURRENT", 1, 3600.0));
    cache->storeLocation(makeLocation("FAVOURITE", 1, 3600.0));
    cache->storeLocation(makeLocation("NOBODY", 1, 3600.0));
    writeBytes(locationFile("BROKEN"), "bplist00 and nothing more");
    platform::KeyedArchiver::archiveRootObject(*identity("OTHERCLASS"), locationFile("OTHERCLASS"));
    platform::KeyedArchiver::archiveRootObject(*makeLocation("CURRENT", 1, 3600.0), locationFile("OTHERPLACE"));
    locations->current = identity("CURRENT");
    locations->favourites = {identity("FAVOURITE")};

    advance(44.0);
    EXPECT_TRUE(datasource->calls.empty());
    advance(1.0);
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"requestLocation CURRENT:1", "requestLocation FAVOURITE:1"}));
    EXPECT_TRUE(fs::exists(locationFile("CURRENT")));
    EXPECT_TRUE(fs::exists(locationFile("FAVOURITE")));
    EXPECT_FALSE(fs::exists(locationFile("NOBODY")));
    EXPECT_FALSE(fs::exists(locationFile("BROKEN")));
    EXPECT_FALSE(fs::exists(locationFile("OTHERCLASS")));
    EXPECT_FALSE(fs::exists(locationFile("OTHERPLACE"))) << "a file holding another place's record";
}

TEST_F(FileSystemApplicationCacheTest, StaleFavouriteIsRequestedAfterTheCurrentLocation) {
    cache->storeLocation(makeLocation("AAAFAVOURITE", 1, 300.0));
    cache->storeLocation(makeLocation("MMMOTHER", 1, 300.0));
    cache->storeLocation(makeLocation("ZZZCURRENT", 1, 300.0));
    cache->storeLocation(makeLocation("FRESH", 1, 0.0));
    locations->current = identity("ZZZCURRENT");
    locations->favourites = {identity("AAAFAVOURITE"), identity("FRESH")};

    advance(45.0);
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"requestLocation ZZZCURRENT:1", "requestLocation AAAFAVOURITE:1"}));
    EXPECT_EQ(filesUnderHome().size(), 4u) << "stale locations are kept";
}

TEST_F(FileSystemApplicationCacheTest, StaleConfigurationStaysOnDiskWhileItIsRefreshed) {
    cache->storeConfiguration(madeAgo(1000.0, [] { return std::make_shared<qov::QOVMobileAppConfig>("app", 900.0); }));
    cache->storeConfiguration(std::make_shared<qov::QOVMobileAppConfig>("fresh", 3600.0));

    advance(45.0);
    EXPECT_EQ(datasource->calls, std::vector<std::string>{"requestConfiguration app 900"});
    const auto cached = cache->cachedConfigurationForId("app");
    ASSERT_NE(cached, nullptr);
    EXPECT_TRUE(cached->isStale());
}

TEST_F(FileSystemApplicationCacheTest, BecomingActiveRunsAPass) {
    cache->storeLocation(makeLocation("USGA0028", 1, 300.0));
    locations->current = identity("USGA0028");
    platform::NotificationCenter::defaultCenter().postNotification(
        platform::ui::kApplicationDidBecomeActiveNotification);
    EXPECT_EQ(datasource->calls, std::vector<std::string>{"requestLocation USGA0028:1"});
}

// --- Offline ---

TEST_F(FileSystemApplicationCacheTest, OfflineWarningAtOnceThenAtMostOnceIn1500Seconds) {
    cache->storeLocation(makeLocation("USGA0028", 1, 300.0));
    locations->current = identity("USGA0028");
    platform::net::Reachability::shared()->setReachable(false);

    advance(45.0);
    ASSERT_EQ(warnings.size(), 1u);
    ASSERT_NE(warnings[0], nullptr);
    EXPECT_EQ(warnings[0]->category(), 0);
    EXPECT_EQ(cache->userAlertTimeStamp(), clock()->now());
    EXPECT_TRUE(datasource->calls.empty()) << "nothing is requested while offline";

    qov::QOVError::clearAllErrors();
    advance(45.0 * 33);  // 1485 s after the warning
    EXPECT_EQ(warnings.size(), 1u);
    // Becoming active runs a pass between the timer's: 1500 s after the warning is the first moment due.
    advance(14.0);
    platform::NotificationCenter::defaultCenter().postNotification(
        platform::ui::kApplicationDidBecomeActiveNotification);
    EXPECT_EQ(warnings.size(), 1u) << "1499 s after the warning";
    advance(1.0);
    platform::NotificationCenter::defaultCenter().postNotification(
        platform::ui::kApplicationDidBecomeActiveNotification);
    EXPECT_EQ(warnings.size(), 2u) << "1500 s after the warning";
}

TEST_F(FileSystemApplicationCacheTest, NetworkComingBackRunsAPassAtOnce) {
    cache->storeLocation(makeLocation("USGA0028", 1, 300.0));
    locations->current = identity("USGA0028");
    platform::net::Reachability::shared()->setReachable(false);
    advance(45.0);
    ASSERT_TRUE(datasource->calls.empty());

    advance(10.0);
    platform::net::Reachability::shared()->setReachable(true);
    EXPECT_EQ(datasource->calls, std::vector<std::string>{"requestLocation USGA0028:1"});
    EXPECT_FALSE(cache->userAlertTimeStamp());

    // A new offline period warns at once.
    qov::QOVError::clearAllErrors();
    platform::net::Reachability::shared()->setReachable(false);
    advance(35.0);
    EXPECT_EQ(warnings.size(), 2u);
}

}  // namespace
