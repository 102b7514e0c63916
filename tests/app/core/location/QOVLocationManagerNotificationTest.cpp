#include <gtest/gtest.h>

#include "tests/app/core/location/LocationManagerWorld.h"
#include "tests/support/ManualClockFixture.h"

namespace {

using qov::QOVLocationIdentity;
using qov::QOVLocationManager;
using qovtest::LocationManagerWorld;

class LocationManagerNotificationTest : public qovtest::ManualClockFixture {
protected:
    LocationManagerNotificationTest() {
        manager().keyValueObservers().addObserver(
            this, QOVLocationManager::kFavoriteLocationsKeyPath,
            [this](const std::string&, const platform::Value& oldValue, const platform::Value& newValue) {
                changes.emplace_back(keysOf(oldValue), keysOf(newValue));
            });
    }

    QOVLocationManager& manager() { return *world.manager; }

    static std::vector<std::string> keysOf(const platform::Value& list) {
        std::vector<std::string> keys;
        for (const auto& element : *list.ifArray()) {
            keys.push_back(element.object<QOVLocationIdentity>()->key().value_or(""));
        }
        return keys;
    }
    static std::shared_ptr<QOVLocationIdentity> locationUnder(const platform::Value& dictionary, const char* key) {
        const platform::Value* value = platform::valueForKey(*dictionary.ifDictionary(), key);
        return value ? value->object<QOVLocationIdentity>() : nullptr;
    }

    LocationManagerWorld world;
    // (old keys, new keys) of each change notice of the favourites.
    std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> changes;
};

using Keys = std::vector<std::string>;

// --- Current location ---

TEST_F(LocationManagerNotificationTest, ACurrentLocationChangeCarriesTheOldAndTheNewLocation) {
    const auto first = LocationManagerWorld::record("USGA0028", "Atlanta");
    manager().setCurrentLocation(first);
    const auto second = LocationManagerWorld::identity("UKXX0085");
    manager().setCurrentLocation(second);

    ASSERT_EQ(world.names(), (Keys{QOVLocationManager::kCurrentLocationUpdatedNotification,
                                   QOVLocationManager::kCurrentLocationUpdatedNotification}));
    const auto& firstChange = world.notifications[0].object;
    EXPECT_EQ(locationUnder(firstChange, "oldLocation")->type(), 0);
    EXPECT_EQ(locationUnder(firstChange, "newLocation"), first);
    const auto& secondChange = world.notifications[1].object;
    // The manager kept the record's identity, not the record.
    EXPECT_EQ(locationUnder(secondChange, "oldLocation")->className(), "QOVLocationIdentity");
    EXPECT_EQ(locationUnder(secondChange, "oldLocation")->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(locationUnder(secondChange, "newLocation"), second);
    EXPECT_EQ(manager().currentLocation(), second);
}

// After a relaunch too: the stored current location is loaded before comparing.
TEST_F(LocationManagerNotificationTest, TheSameKeyAndTypeOrNullChangesNothingAlsoAfterARestart) {
    manager().setCurrentLocation(LocationManagerWorld::identity("USGA0028", 1, "Home"));
    world.restart();
    world.notifications.clear();

    manager().setCurrentLocation(LocationManagerWorld::identity("USGA0028", 1, "Elsewhere"));
    manager().setCurrentLocation(nullptr);

    EXPECT_TRUE(world.notifications.empty());
    EXPECT_EQ(manager().currentLocation()->userNickname(), "Home");
    EXPECT_EQ(manager().popRank().at("USGA0028:1"), 1);
}

TEST_F(LocationManagerNotificationTest, ObserversMayCallBackIntoTheManager) {
    std::string seen;
    platform::NotificationCenter::defaultCenter().addObserver(
        this, QOVLocationManager::kCurrentLocationUpdatedNotification, [this, &seen](const platform::Notification&) {
            seen = manager().currentLocation()->identifierAsString();
            manager().addFavoriteLocation(manager().currentLocation());
        });

    manager().setCurrentLocation(LocationManagerWorld::identity("USGA0028"));

    EXPECT_EQ(seen, "USGA0028:1");
    EXPECT_TRUE(manager().favoritesContainsLocation(*LocationManagerWorld::identity("USGA0028")));
}

// --- Favourites ---

TEST_F(LocationManagerNotificationTest, AddingAFavouriteReportsTheChangeAndTheLocationPassedIn) {
    manager().addFavoriteLocation(LocationManagerWorld::identity("UKXX0085"));
    const auto atlanta = LocationManagerWorld::record("USGA0028", "Atlanta");
    manager().addFavoriteLocation(atlanta);

    EXPECT_EQ(changes,
              (std::vector<std::pair<Keys, Keys>>{{{}, {"UKXX0085"}}, {{"UKXX0085"}, {"UKXX0085", "USGA0028"}}}));
    ASSERT_EQ(world.notifications.size(), 2u);
    const auto& added = world.notifications[1];
    EXPECT_EQ(added.name, QOVLocationManager::kLocationFavoriteUpdatedNotification);
    EXPECT_EQ(added.object.object<QOVLocationManager>(), world.manager);
    EXPECT_EQ(platform::valueForKey(added.userInfo, "FavoriteNotificationLocationIdKey")->object<QOVLocationIdentity>(),
              atlanta);
    EXPECT_EQ(platform::valueForKey(added.userInfo, "FavoriteNotificationLocationStatusKey")->stringValue(),
              "FavoriteNotificationLocationAdded");
}

TEST_F(LocationManagerNotificationTest, ADuplicateFavouriteIsNotAddedButTheListIsArchivedAgain) {
    manager().addFavoriteLocation(LocationManagerWorld::identity("USGA0028"));
    world.defaults->removeObjectForKey(QOVLocationManager::kFavoriteLocationDataKey);
    changes.clear();
    world.notifications.clear();

    manager().addFavoriteLocation(LocationManagerWorld::identity("USGA0028", 1, "Again"));
    manager().addFavoriteLocation(nullptr);

    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(world.notifications.empty());
    ASSERT_EQ(manager().favoriteLocations().size(), 1u);
    EXPECT_FALSE(manager().favoriteLocations()[0]->userNickname().has_value());
    EXPECT_FALSE(world.defaults->objectForKey(QOVLocationManager::kFavoriteLocationDataKey).isNull());
}

TEST_F(LocationManagerNotificationTest, RemovingAFavouriteReportsItOnlyWhenOneWasRemoved) {
    manager().addFavoriteLocation(LocationManagerWorld::identity("USGA0028"));
    manager().addFavoriteLocation(LocationManagerWorld::identity("UKXX0085"));
    manager().setHomeLocation(LocationManagerWorld::identity("USGA0028"));
    changes.clear();
    world.notifications.clear();

    manager().removeFavoriteLocation(LocationManagerWorld::identity("USNY0996"));
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(world.notifications.empty());

    const auto atlanta = LocationManagerWorld::record("USGA0028", "Atlanta");
    manager().removeFavoriteLocation(atlanta);
    EXPECT_EQ(changes, (std::vector<std::pair<Keys, Keys>>{{{"USGA0028", "UKXX0085"}, {"UKXX0085"}}}));
    ASSERT_EQ(world.notifications.size(), 1u);
    EXPECT_EQ(
        platform::valueForKey(world.notifications[0].userInfo, "FavoriteNotificationLocationStatusKey")->stringValue(),
        "FavoriteNotificationLocationRemoved");
    EXPECT_EQ(platform::valueForKey(world.notifications[0].userInfo, "FavoriteNotificationLocationIdKey")
                  ->object<QOVLocationIdentity>(),
              atlanta);
    // The home slot is the caller's business.
    EXPECT_EQ(manager().homeLocation()->identifierAsString(), "USGA0028:1");
}

TEST_F(LocationManagerNotificationTest, OnlyClearingReportsAChangeAndNoneSendsAFavouriteNotification) {
    manager().addFavoriteLocation(LocationManagerWorld::identity("USGA0028"));
    manager().addFavoriteLocation(LocationManagerWorld::identity("UKXX0085"));
    changes.clear();
    world.notifications.clear();

    manager().moveFavoriteFromIndex(0, 1);
    manager().setNickname("Work", *LocationManagerWorld::identity("USGA0028"));
    EXPECT_TRUE(changes.empty());
    manager().removeAllFavorites();

    EXPECT_EQ(changes, (std::vector<std::pair<Keys, Keys>>{{{"UKXX0085", "USGA0028"}, {}}}));
    EXPECT_TRUE(world.notifications.empty());
}

}  // namespace
