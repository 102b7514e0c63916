#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/location/DefaultLocation.h"
#include "platform/geo/PositionSource.h"
#include "platform/storage/AppDirectories.h"
#include "tests/app/core/cache/RecordingLocationListener.h"
#include "tests/app/core/location/LocationManagerWorld.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"

namespace {

using qov::QOVLocationManager;
using qovtest::LocationManagerWorld;

// --- The process instances ---

class LocationManagerSharedTest : public qovtest::ManualClockFixture {
protected:
    LocationManagerSharedTest() : m_previousDirectories(platform::AppDirectories::shared()) {
        platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home.path()));
        platform::UserDefaults::resetStandard(nullptr);
        platform::geo::PositionSource::setShared(positions);
        QOVLocationManager::resetSharedManager();
        qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
    }
    ~LocationManagerSharedTest() override {
        qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
        QOVLocationManager::resetSharedManager();
        platform::geo::PositionSource::setShared(nullptr);
        platform::UserDefaults::resetStandard(nullptr);
        platform::AppDirectories::setShared(m_previousDirectories);
    }

    std::shared_ptr<platform::geo::ScriptedPositionSource> positions =
        std::make_shared<platform::geo::ScriptedPositionSource>();

private:
    qovtest::TempHome m_home;
    std::shared_ptr<platform::AppDirectories> m_previousDirectories;
};

TEST_F(LocationManagerSharedTest, TheSharedManagerUsesTheProcessDefaultsPositionSourceAndCache) {
    const auto manager = QOVLocationManager::sharedManager();
    EXPECT_EQ(QOVLocationManager::sharedManager(), manager);
    EXPECT_EQ(positions->delegate(), manager);
    EXPECT_EQ(qov::ApplicationCacheFactory::sharedInstance().cache()->locationSource(), manager);

    manager->setCurrentLocation(LocationManagerWorld::identity("UKXX0085"));
    platform::UserDefaults::standard()->synchronize();
    QOVLocationManager::resetSharedManager();
    platform::UserDefaults::resetStandard(nullptr);

    EXPECT_NE(QOVLocationManager::sharedManager(), manager);
    EXPECT_EQ(QOVLocationManager::sharedManager()->currentLocation()->identifierAsString(), "UKXX0085:1");
}

// --- The manager as the cache's location source ---

class LocationManagerAsCacheSourceTest : public qovtest::ManualClockFixture {
protected:
    LocationManagerAsCacheSourceTest() { cache->setLocationSource(world.manager); }

    std::shared_ptr<qov::MemoryApplicationCache> cache = std::make_shared<qov::MemoryApplicationCache>(nullptr);
    LocationManagerWorld world{cache};
};

TEST_F(LocationManagerAsCacheSourceTest, CurrentLocationListenersFollowTheManager) {
    cache->storeLocation(LocationManagerWorld::record("USGA0028", "Atlanta"));
    cache->storeLocation(LocationManagerWorld::record("UKXX0085", "London"));
    world.manager->setCurrentLocation(LocationManagerWorld::identity("USGA0028"));
    const auto listener = std::make_shared<qovtest::RecordingLocationListener>();
    cache->startListeningForCurrentLocationWithDelegate(listener);
    advance(0);

    world.manager->setCurrentLocation(LocationManagerWorld::identity("UKXX0085"));
    advance(0);
    cache->storeLocation(LocationManagerWorld::record("USGA0028", "Atlanta"));
    cache->storeLocation(LocationManagerWorld::record("UKXX0085", "London"));

    std::vector<std::string> cities;
    for (const auto& location : listener->received) {
        cities.push_back(location->city());
    }
    // Atlanta at registration; London when the listener moved, then London's new data (Atlanta's no more).
    EXPECT_EQ(cities, (std::vector<std::string>{"Atlanta", "London", "London"}));
}

TEST_F(LocationManagerAsCacheSourceTest, TheDefaultLocationIsInstalledOnlyWhenNoneIsCurrent) {
    EXPECT_TRUE(qov::DefaultLocation::installIfNoneIsCurrent(*world.manager));
    EXPECT_EQ(world.manager->currentLocation()->identifierAsString(), "USGA0028:1");
    EXPECT_TRUE(cache->locationSource()->favoritesContainsLocation(*qov::DefaultLocation::identity()));

    world.manager->setCurrentLocation(LocationManagerWorld::identity("UKXX0085"));
    world.restart();
    EXPECT_FALSE(qov::DefaultLocation::installIfNoneIsCurrent(*world.manager));
    EXPECT_EQ(world.manager->currentLocation()->identifierAsString(), "UKXX0085:1");
}

}  // namespace
