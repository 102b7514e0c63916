#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "tests/app/core/cache/CacheFixture.h"
#include "tests/app/core/cache/RecordingLocationListener.h"

namespace {

class MemoryApplicationCacheTest : public qovtest::CacheFixture {
protected:
    std::shared_ptr<qov::MemoryApplicationCache> cache = std::make_shared<qov::MemoryApplicationCache>(datasource);
};

TEST_F(MemoryApplicationCacheTest, PassEvery45SecondsDropsInvalidAndRefreshesStaleLocations) {
    cache->storeLocation(makeLocation("INVALID", 1, 3600.0));
    cache->storeLocation(makeLocation("STALE", 1, 300.0));
    cache->storeLocation(makeLocation("FRESH", 1, 0.0));

    advance(44.0);
    EXPECT_TRUE(datasource->calls.empty());
    advance(1.0);
    EXPECT_EQ(datasource->calls, (std::vector<std::string>{"requestLocation INVALID:1", "requestLocation STALE:1"}));
    EXPECT_EQ(cache->cachedLocation(*identity("INVALID")), nullptr);
    EXPECT_NE(cache->cachedLocation(*identity("STALE")), nullptr);
    EXPECT_NE(cache->cachedLocation(*identity("FRESH")), nullptr);

    advance(45.0);
    EXPECT_EQ(datasource->calls.size(), 3u) << "the stale location is asked for again";
}

TEST_F(MemoryApplicationCacheTest, ListenerOfARemovedInvalidLocationMakesItsOwnRequest) {
    cache->storeLocation(makeLocation("USGA0028", 1, 3600.0));
    advance(45.0);
    ASSERT_EQ(datasource->calls, std::vector<std::string>{"requestLocation USGA0028:1"});

    const auto listener = std::make_shared<qovtest::RecordingLocationListener>();
    cache->startListeningForLocationId(identity("USGA0028"), listener);
    EXPECT_TRUE(listener->received.empty());
    EXPECT_EQ(datasource->calls.size(), 2u);

    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_EQ(listener->received.size(), 1u) << "the memory cache's own listeners hear of its stores";
}

TEST_F(MemoryApplicationCacheTest, ConfigurationComesBackUnchangedHoweverOld) {
    const auto configuration = std::make_shared<qov::QOVMobileAppConfig>("app", 900.0);
    cache->storeConfiguration(configuration);
    advance(100000.0);
    EXPECT_EQ(cache->cachedConfigurationForId("app"), configuration);
    EXPECT_TRUE(datasource->calls.empty()) << "configurations are not revalidated by the pass";

    cache->removeConfigurationHavingId("app");
    EXPECT_EQ(cache->cachedConfigurationForId("app"), nullptr);
}

TEST_F(MemoryApplicationCacheTest, RemovalCancelsPendingRequests) {
    cache->storeLocation(makeLocation("USGA0028"));
    cache->storeLocation(makeLocation("GBXX0001"));
    cache->removeLocationHavingId(*identity("USGA0028"));
    EXPECT_EQ(cache->cachedLocation(*identity("USGA0028")), nullptr);
    EXPECT_NE(cache->cachedLocation(*identity("GBXX0001")), nullptr);

    cache->removeAllLocations();
    EXPECT_EQ(cache->cachedLocation(*identity("GBXX0001")), nullptr);
    EXPECT_EQ(datasource->calls,
              (std::vector<std::string>{"cancelRequestForLocation USGA0028:1", "cancelRequestsForAllLocations"}));
}

TEST_F(MemoryApplicationCacheTest, DestroyedCacheStopsItsTimer) {
    cache->storeLocation(makeLocation("STALE", 1, 300.0));
    cache.reset();
    advance(90.0);
    EXPECT_TRUE(datasource->calls.empty());
}

}  // namespace
