#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/MemoryApplicationCache.h"
#include "platform/base/Exception.h"
#include "platform/base/NotificationCenter.h"
#include "tests/app/core/cache/CacheFixture.h"
#include "tests/app/core/cache/RecordingLocationListener.h"

namespace {

using qov::ApplicationCache;
using qov::MemoryApplicationCache;
using qovtest::RecordingLocationListener;

// The listener registry, over the memory cache as the simplest storage.
class ApplicationCacheTest : public qovtest::CacheFixture {
protected:
    ApplicationCacheTest() { cache->setLocationSource(locations); }

    void postCurrentLocationChange(const std::shared_ptr<qov::QOVLocationIdentity>& oldLocation,
                                   const std::shared_ptr<qov::QOVLocationIdentity>& newLocation) {
        platform::NotificationCenter::defaultCenter().postNotification(
            ApplicationCache::kCurrentLocationUpdatedNotification,
            platform::Dictionary{{"oldLocation", oldLocation}, {"newLocation", newLocation}});
    }

    std::shared_ptr<MemoryApplicationCache> cache = std::make_shared<MemoryApplicationCache>(datasource);
    std::shared_ptr<RecordingLocationListener> listener = std::make_shared<RecordingLocationListener>();
};

TEST_F(ApplicationCacheTest, CachedLocationAnswersAtOnceWhateverItsAgeWithTheNicknameAndRegistersOnTheNextTurn) {
    cache->storeLocation(makeLocation("USGA0028", 1, 7200.0));

    cache->startListeningForLocationId(std::make_shared<qov::QOVLocationIdentity>(1, "USGA0028", "Home"), listener);
    ASSERT_EQ(listener->received.size(), 1u);
    EXPECT_TRUE(listener->received[0]->isInvalid());
    EXPECT_EQ(listener->received[0]->userNickname(), "Home");  // the identity's nickname
    EXPECT_TRUE(datasource->calls.empty());

    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 1u) << "not registered before the main loop turns";

    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 2u);
}

TEST_F(ApplicationCacheTest, SameListenerTwiceIsOneEntryAndOneStopRemovesIt) {
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 1u);

    cache->stopListeningForLocationId(identity("USGA0028"), listener.get());
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 1u);
}

TEST_F(ApplicationCacheTest, StopBeforeTheQueuedRegistrationCancelsIt) {
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    cache->stopListeningForLocationId(identity("USGA0028"), listener.get());
    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_TRUE(listener->received.empty());

    cache->startListeningForLocationId(identity("GBXX0001"), listener);
    cache->stopListeningForDelegate(listener.get());
    loop().runUntilIdle();
    cache->storeLocation(makeLocation("GBXX0001"));
    EXPECT_TRUE(listener->received.empty());
}

TEST_F(ApplicationCacheTest, LocationStoredBeforeTheQueuedRegistrationStillReachesTheListenerOnce) {
    // Another listener's request for the place was already on its way; its answer is stored first.
    cache->startListeningForLocationId(std::make_shared<qov::QOVLocationIdentity>(1, "USGA0028", "Home"), listener);
    EXPECT_TRUE(listener->received.empty());
    cache->storeLocation(makeLocation("USGA0028"));

    loop().runUntilIdle();
    ASSERT_EQ(listener->received.size(), 1u);
    EXPECT_EQ(listener->received[0]->userNickname(), "Home");
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 2u);
}

TEST_F(ApplicationCacheTest, ListenersThatAreGoneAreSkipped) {
    auto survivor = std::make_shared<RecordingLocationListener>();
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    cache->startListeningForLocationId(identity("USGA0028"), survivor);
    loop().runUntilIdle();
    listener.reset();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(survivor->received.size(), 1u);
}

TEST_F(ApplicationCacheTest, NoticeWalksACopySoListenersMayStopAndStartDuringIt) {
    auto second = std::make_shared<RecordingLocationListener>();
    auto late = std::make_shared<RecordingLocationListener>();
    listener->onChange = [&](const auto&) {
        cache->stopListeningForLocationId(identity("USGA0028"), listener.get());
        cache->stopListeningForLocationId(identity("USGA0028"), second.get());
        cache->startListeningForLocationId(identity("USGA0028"), late);
    };
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    cache->startListeningForLocationId(identity("USGA0028"), second);
    loop().runUntilIdle();

    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 1u);
    EXPECT_EQ(second->received.size(), 1u) << "called by the walk that began before its removal";
    EXPECT_EQ(late->received.size(), 1u) << "answered from the cache when it registered";

    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 1u);
    EXPECT_EQ(second->received.size(), 1u);
    EXPECT_EQ(late->received.size(), 2u);
}

TEST_F(ApplicationCacheTest, ListeningForAListSkipsWhatIsNotALocation) {
    const platform::Array list{identity("USGA0028"), "USNY0996:1", 42, makeLocation("GBXX0001")};
    cache->startListeningForLocations(list, listener);
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"requestLocation USGA0028:1", "requestLocation GBXX0001:1"}));
    loop().runUntilIdle();

    cache->stopListeningForLocations(list, listener.get());
    cache->storeLocation(makeLocation("USGA0028"));
    cache->storeLocation(makeLocation("GBXX0001"));
    EXPECT_TRUE(listener->received.empty());
}

TEST_F(ApplicationCacheTest, CurrentLocationListenerWaitsWhileThereIsNoCurrentLocation) {
    cache->startListeningForCurrentLocationWithDelegate(listener);
    loop().runUntilIdle();
    EXPECT_TRUE(datasource->calls.empty());
    EXPECT_TRUE(listener->received.empty());

    locations->current = identity("USGA0028");
    postCurrentLocationChange(nullptr, locations->current);
    EXPECT_EQ(datasource->calls, std::vector<std::string>{"requestLocation USGA0028:1"});
    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 1u);
}

TEST_F(ApplicationCacheTest, CurrentLocationListenerAddedTwiceMovesOnce) {
    locations->current = identity("USGA0028");
    cache->storeLocation(makeLocation("USGA0028"));
    cache->storeLocation(makeLocation("GBXX0001"));
    cache->startListeningForCurrentLocationWithDelegate(listener);
    cache->startListeningForCurrentLocationWithDelegate(listener);
    loop().runUntilIdle();
    ASSERT_EQ(listener->received.size(), 1u);

    locations->current = identity("GBXX0001");
    postCurrentLocationChange(identity("USGA0028"), locations->current);
    ASSERT_EQ(listener->received.size(), 2u);
    EXPECT_EQ(listener->received[1]->key(), "GBXX0001");

    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 2u) << "no longer listening for the old location";
    cache->storeLocation(makeLocation("GBXX0001"));
    EXPECT_EQ(listener->received.size(), 3u);
}

TEST_F(ApplicationCacheTest, StoppingCurrentLocationListenerStopsFollowingIt) {
    locations->current = identity("USGA0028");
    cache->startListeningForCurrentLocationWithDelegate(listener);
    loop().runUntilIdle();
    cache->stopListeningForCurrentLocationWithDelegate(listener.get());

    cache->storeLocation(makeLocation("USGA0028"));
    postCurrentLocationChange(identity("USGA0028"), identity("GBXX0001"));
    loop().runUntilIdle();
    cache->storeLocation(makeLocation("GBXX0001"));
    EXPECT_TRUE(listener->received.empty());
}

TEST_F(ApplicationCacheTest, MalformedCurrentLocationChangeIsIgnored) {
    cache->startListeningForCurrentLocationWithDelegate(listener);
    loop().runUntilIdle();
    platform::NotificationCenter::defaultCenter().postNotification(
        ApplicationCache::kCurrentLocationUpdatedNotification, "not a dictionary");
    platform::NotificationCenter::defaultCenter().postNotification(
        ApplicationCache::kCurrentLocationUpdatedNotification, platform::Dictionary{{"newLocation", 7}});
    EXPECT_TRUE(datasource->calls.empty());
}

TEST_F(ApplicationCacheTest, SearchesPostTheirNotificationBeforeRequesting) {
    std::vector<std::string> order;
    auto& center = platform::NotificationCenter::defaultCenter();
    for (const char* name : {ApplicationCache::kRequestLocationWithZipNotification,
                             ApplicationCache::kRequestLocationWithCoordinateNotification,
                             ApplicationCache::kRequestLocationWithTypeAheadNotification}) {
        center.addObserver(this, name, [&](const platform::Notification& notification) {
            order.push_back(notification.name + " after " + std::to_string(datasource->calls.size()));
        });
    }
    cache->getLocationForZip("30301", {});
    cache->getLocationForCoordinates(33.7, -84.4, {});
    cache->getTypeAheadWithSearchString("Atl", 10, {});
    center.removeObserver(this);

    EXPECT_EQ(order, (std::vector<std::string>{"requestLocationWithZipNotification after 0",
                                               "requestLocationWithCoordinateNotification after 1",
                                               "requestLocationWithTypeAheadNotification after 2"}));
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"requestLocationForZip 30301", "requestLocationForCoordinates",
                                        "requestTypeAhead Atl 10"}));
}

// The exception's name and reason are the platform's (tested there).
TEST_F(ApplicationCacheTest, StorageOperationsOfTheAbstractCacheRaise) {
    EXPECT_THROW(std::make_shared<ApplicationCache>(datasource)->storeLocation(makeLocation("USGA0028")),
                 platform::Exception);
}

}  // namespace
