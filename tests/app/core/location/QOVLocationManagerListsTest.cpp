#include <gtest/gtest.h>

#include "app/core/cache/MemoryApplicationCache.h"
#include "tests/app/core/location/LocationManagerWorld.h"
#include "tests/support/ManualClockFixture.h"

namespace {

using qov::QOVLocationIdentity;
using qov::QOVLocationManager;
using qovtest::LocationManagerWorld;

using Keys = std::vector<std::string>;

Keys keysOf(const std::vector<std::shared_ptr<QOVLocationIdentity>>& locations) {
    Keys keys;
    for (const auto& location : locations) {
        keys.push_back(location->key().value_or(""));
    }
    return keys;
}

class LocationManagerListsTest : public qovtest::ManualClockFixture {
protected:
    QOVLocationManager& manager() { return *world.manager; }
    void addFavorites(const Keys& keys) {
        for (const auto& key : keys) {
            manager().addFavoriteLocation(LocationManagerWorld::identity(key));
        }
    }

    std::shared_ptr<qov::MemoryApplicationCache> cache = std::make_shared<qov::MemoryApplicationCache>(nullptr);
    LocationManagerWorld world{cache};
};

// --- Moving ---

TEST_F(LocationManagerListsTest, MovingTakesTheEntryOutAndInsertsItAtTheTargetWithinTheList) {
    addFavorites({"A", "B", "C", "D"});
    manager().moveFavoriteFromIndex(2, 5);  // outside the list, or onto itself: nothing moves
    manager().moveFavoriteFromIndex(4, 0);
    manager().moveFavoriteFromIndex(1, 1);
    EXPECT_EQ(keysOf(manager().favoriteLocations()), (Keys{"A", "B", "C", "D"}));

    manager().moveFavoriteFromIndex(0, 2);
    EXPECT_EQ(keysOf(manager().favoriteLocations()), (Keys{"B", "C", "A", "D"}));
    manager().moveFavoriteFromIndex(3, 0);
    EXPECT_EQ(keysOf(manager().favoriteLocations()), (Keys{"D", "B", "C", "A"}));

    world.restart();
    EXPECT_EQ(keysOf(manager().favoriteLocations()), (Keys{"D", "B", "C", "A"}));
}

// --- Nicknames ---

TEST_F(LocationManagerListsTest, ANicknameGoesToTheMatchingFavouriteHomeAndPushEntries) {
    addFavorites({"A", "B"});
    manager().setHomeLocation(LocationManagerWorld::record("B", "Bath"));
    manager().setPushLocation(LocationManagerWorld::identity("B"));

    manager().setNickname("Gran's", *LocationManagerWorld::identity("B"));
    world.restart();

    EXPECT_FALSE(manager().favoriteLocations()[0]->userNickname().has_value());
    EXPECT_EQ(manager().favoriteLocations()[1]->userNickname(), "Gran's");
    EXPECT_EQ(manager().homeLocation()->userNickname(), "Gran's");
    EXPECT_EQ(manager().pushLocation()->userNickname(), "Gran's");
}

TEST_F(LocationManagerListsTest, NoNicknameChangesAndArchivesNothing) {
    addFavorites({"A"});
    manager().setNickname("Old", *LocationManagerWorld::identity("A"));
    world.defaults->removeObjectForKey(QOVLocationManager::kFavoriteLocationDataKey);

    manager().setNickname(std::nullopt, *LocationManagerWorld::identity("A"));

    EXPECT_EQ(manager().favoriteLocations()[0]->userNickname(), "Old");
    EXPECT_TRUE(world.defaults->objectForKey(QOVLocationManager::kFavoriteLocationDataKey).isNull());
}

// --- Lookups ---

TEST_F(LocationManagerListsTest, AllLocationsListsFavouritesLastFirstThenACurrentLocationThatIsNoFavourite) {
    addFavorites({"A", "B", "C"});
    manager().setCurrentLocation(LocationManagerWorld::identity("Z"));
    EXPECT_EQ(keysOf(manager().allLocations()), (Keys{"C", "B", "A", "Z"}));

    manager().setCurrentLocation(LocationManagerWorld::identity("B"));
    EXPECT_EQ(keysOf(manager().allLocations()), (Keys{"C", "B", "A"}));
}

TEST_F(LocationManagerListsTest, AFavouriteNameComesFromTheCachedWeather) {
    addFavorites({"USGA0028"});
    cache->storeLocation(LocationManagerWorld::record("USGA0028", "Atlanta"));

    EXPECT_EQ(manager().favoriteNameForLocation(*LocationManagerWorld::identity("USGA0028")),
              LocationManagerWorld::record("USGA0028", "Atlanta")->displayName());
    EXPECT_EQ(manager().favoriteNameForLocation(*LocationManagerWorld::identity("UKXX0085")), "");
}

// --- Home and push slots ---

TEST_F(LocationManagerListsTest, ASlotHoldsOneEntryNullClearsItAndTheEntryAlreadyHeldWritesNothing) {
    manager().setHomeLocation(LocationManagerWorld::identity("A"));
    manager().setHomeLocation(LocationManagerWorld::identity("B"));
    EXPECT_EQ(keysOf(manager().homeLocations()), (Keys{"B"}));
    manager().setHomeLocation(nullptr);
    EXPECT_EQ(manager().homeLocation()->type(), 0);

    const auto held = LocationManagerWorld::identity("A");
    manager().setPushLocation(held);
    world.defaults->removeObjectForKey(QOVLocationManager::kPushLocationDataKey);

    manager().setPushLocation(held);
    EXPECT_TRUE(world.defaults->objectForKey(QOVLocationManager::kPushLocationDataKey).isNull());

    // An equal but other object replaces it.
    manager().setPushLocation(LocationManagerWorld::identity("A", 1, "Other"));
    EXPECT_EQ(manager().pushLocation()->userNickname(), "Other");
}

TEST_F(LocationManagerListsTest, AddingAndRemovingSlotEntriesMatchByKeyAndType) {
    manager().addHomeLocation(LocationManagerWorld::identity("A"));
    manager().addHomeLocation(LocationManagerWorld::record("A", "Aachen"));
    manager().addHomeLocation(LocationManagerWorld::identity("B"));
    EXPECT_EQ(keysOf(manager().homeLocations()), (Keys{"A", "B"}));
    EXPECT_TRUE(manager().homeLocationsContainsLocation(*LocationManagerWorld::identity("B")));

    manager().removeHomeLocation(LocationManagerWorld::identity("A"));
    EXPECT_EQ(keysOf(manager().homeLocations()), (Keys{"B"}));
    manager().removeAllPushLocations();
    manager().addPushLocation(LocationManagerWorld::identity("C"));
    manager().removeAllHomeLocations();

    world.restart();
    EXPECT_TRUE(manager().homeLocations().empty());
    EXPECT_EQ(keysOf(manager().pushLocations()), (Keys{"C"}));
    EXPECT_NE(manager().pushLocationForLocation(*LocationManagerWorld::identity("C")), nullptr);
}

}  // namespace
