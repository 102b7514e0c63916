#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/core/location/DefaultsArchive.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "tests/app/core/location/LocationManagerWorld.h"
#include "tests/support/ManualClockFixture.h"

namespace {

using qov::QOVLocation;
using qov::QOVLocationIdentity;
using qov::QOVLocationManager;
using qov::QOVTypeAheadLocation;
using qovtest::LocationManagerWorld;

class LocationManagerPersistenceTest : public qovtest::ManualClockFixture {
protected:
    LocationManagerWorld world;
    QOVLocationManager& manager() { return *world.manager; }
};

std::shared_ptr<QOVTypeAheadLocation> typeAhead(const std::string& key, const std::string& city) {
    auto match = std::make_shared<QOVTypeAheadLocation>();
    match->setType(1);
    match->setKey(key);
    match->setCity(city);
    match->setCountryCode("GB");
    return match;
}

TEST_F(LocationManagerPersistenceTest, EveryListSlotAndRankKeepsItsClassesAndOrderAcrossRestarts) {
    manager().addFavoriteLocation(LocationManagerWorld::identity("USGA0028", 1, "Home town"));
    manager().addFavoriteLocation(typeAhead("UKXX0085", "London"));
    manager().addFavoriteLocation(LocationManagerWorld::record("USNY0996", "New York"));
    manager().setHomeLocation(LocationManagerWorld::record("USGA0028", "Atlanta"));
    manager().setPushLocation(LocationManagerWorld::identity("UKXX0085", 1, "Office"));
    manager().setCurrentLocation(LocationManagerWorld::record("USGA0028", "Atlanta"));
    manager().setCurrentLocation(LocationManagerWorld::identity("UKXX0085"));
    manager().setCurrentLocation(LocationManagerWorld::identity("USGA0028"));

    world.restart();

    const auto favorites = manager().favoriteLocations();
    ASSERT_EQ(favorites.size(), 3u);
    EXPECT_EQ(favorites[0]->userNickname(), "Home town");
    const auto london = std::dynamic_pointer_cast<QOVTypeAheadLocation>(favorites[1]);
    ASSERT_NE(london, nullptr);
    EXPECT_EQ(london->countryCode(), "GB");
    // A full record is kept as its identity alone in the lists, whole in the slots.
    EXPECT_EQ(favorites[2]->className(), "QOVLocationIdentity");
    EXPECT_EQ(favorites[2]->identifierAsString(), "USNY0996:1");
    const auto home = std::dynamic_pointer_cast<QOVLocation>(manager().homeLocation());
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(home->city(), "Atlanta");
    EXPECT_EQ(manager().pushLocation()->userNickname(), "Office");
    EXPECT_EQ(manager().currentLocation()->className(), "QOVLocationIdentity");
    EXPECT_EQ(manager().currentLocation()->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(manager().popRank(), (QOVLocationManager::PopRank{{"USGA0028:1", 2}, {"UKXX0085:1", 1}}));

    manager().setCurrentLocation(LocationManagerWorld::identity("UKXX0085"));
    EXPECT_EQ(manager().popRank().at("UKXX0085:1"), 2);
}

TEST_F(LocationManagerPersistenceTest, FavouritesReachTheFileAtOnce) {
    manager().addFavoriteLocation(LocationManagerWorld::identity("USGA0028"));

    // Another reader of the same file while the first defaults still live (as after a crash).
    const auto reader = std::make_shared<platform::UserDefaults>(world.defaultsFile());
    const auto other = QOVLocationManager::create(reader, world.positions, [] { return nullptr; });
    ASSERT_EQ(other->favoriteLocations().size(), 1u);
    EXPECT_EQ(other->favoriteLocations()[0]->identifierAsString(), "USGA0028:1");
}

// --- Damaged stored values ---

class LocationManagerDamagedDefaultsTest : public LocationManagerPersistenceTest {
protected:
    // Stores the value under key, then relaunches.
    void storeAndRestart(const platform::Value& value, const char* key) {
        world.defaults->setObject(value, key);
        world.restart();
    }
};

TEST_F(LocationManagerDamagedDefaultsTest, UnreadableArchivesCountAsMissingAndAreRemoved) {
    const platform::Data truncated = [] {
        auto data = platform::KeyedArchiver::archivedDataWithRootObject(qov::DefaultsArchive(
            platform::Value(platform::Array{platform::Value(LocationManagerWorld::identity("A"))})));
        data->resize(data->size() / 2);
        return *data;
    }();
    world.defaults->setObject(platform::Value(truncated), QOVLocationManager::kFavoriteLocationDataKey);
    world.defaults->setObject(platform::Value("not an archive"), QOVLocationManager::kHomeLocationDataKey);
    world.defaults->setObject(platform::Value(platform::Data{'b', 'p', 'l', 'i', 's', 't', '0', '0'}),
                              QOVLocationManager::kPushLocationDataKey);
    world.defaults->setObject(platform::Value(platform::Data(64, 0xFF)), QOVLocationManager::kPopRankDataKey);
    world.defaults->setObject(platform::Value(platform::Data{1, 2, 3}), QOVLocationManager::kCurrentLocationDataKey);
    world.restart();

    EXPECT_TRUE(manager().favoriteLocations().empty());
    EXPECT_EQ(manager().homeLocation()->type(), 0);
    EXPECT_FALSE(manager().hasValidCurrentLocation());
    for (const char* key : {QOVLocationManager::kFavoriteLocationDataKey, QOVLocationManager::kHomeLocationDataKey,
                            QOVLocationManager::kPushLocationDataKey, QOVLocationManager::kPopRankDataKey,
                            QOVLocationManager::kCurrentLocationDataKey}) {
        EXPECT_TRUE(world.defaults->objectForKey(key).isNull()) << key;
    }
}

TEST_F(LocationManagerDamagedDefaultsTest, DamagedFavouritesAreKeptAsideInTheHomeWithTheirBytes) {
    const platform::Data damaged = [] {
        auto data = platform::KeyedArchiver::archivedDataWithRootObject(qov::DefaultsArchive(
            platform::Value(platform::Array{platform::Value(LocationManagerWorld::identity("USGA0028"))})));
        data->resize(data->size() - 3);
        return *data;
    }();
    storeAndRestart(platform::Value(damaged), QOVLocationManager::kFavoriteLocationDataKey);

    EXPECT_TRUE(manager().favoriteLocations().empty());
    EXPECT_TRUE(world.defaults->objectForKey(QOVLocationManager::kFavoriteLocationDataKey).isNull());
    const auto seconds = std::to_string(static_cast<long long>(clock()->now().secondsSince1970));
    const auto aside =
        world.defaultsFile().parent_path() / (world.defaultsFile().filename().string() + "." +
                                              QOVLocationManager::kFavoriteLocationDataKey + ".corrupt-" + seconds);
    std::ifstream stream(aside, std::ios::binary);
    const platform::Data kept{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    EXPECT_EQ(kept, damaged) << aside;
}

TEST_F(LocationManagerDamagedDefaultsTest, ArchivesOfTheWrongKindCountAsMissing) {
    const auto archiveOf = [](const platform::Value& value) {
        return platform::Value(*platform::KeyedArchiver::archivedDataWithRootObject(qov::DefaultsArchive(value)));
    };
    world.defaults->setObject(archiveOf(platform::Value(platform::Dictionary{{"USGA0028:1", 3}})),
                              QOVLocationManager::kFavoriteLocationDataKey);
    world.defaults->setObject(archiveOf(platform::Value(platform::Array{})), QOVLocationManager::kPopRankDataKey);
    world.defaults->setObject(archiveOf(platform::Value("USGA0028")), QOVLocationManager::kCurrentLocationDataKey);
    world.restart();

    EXPECT_TRUE(manager().favoriteLocations().empty());
    EXPECT_TRUE(manager().popRank().empty());
    EXPECT_EQ(manager().currentLocation()->type(), 0);
    EXPECT_TRUE(world.defaults->objectForKey(QOVLocationManager::kCurrentLocationDataKey).isNull());
}

TEST_F(LocationManagerDamagedDefaultsTest, StrayElementsAreSkippedAndTheRestKept) {
    storeAndRestart(
        platform::Value(*platform::KeyedArchiver::archivedDataWithRootObject(qov::DefaultsArchive(platform::Value(
            platform::Array{platform::Value("stray"), platform::Value(LocationManagerWorld::identity("USGA0028")),
                            platform::Value(7)})))),
        QOVLocationManager::kFavoriteLocationDataKey);
    storeAndRestart(platform::Value(*platform::KeyedArchiver::archivedDataWithRootObject(qov::DefaultsArchive(
                        platform::Value(platform::Dictionary{{"USGA0028:1", 4}, {"UKXX0085:1", "many"}})))),
                    QOVLocationManager::kPopRankDataKey);

    ASSERT_EQ(manager().favoriteLocations().size(), 1u);
    EXPECT_EQ(manager().favoriteLocations()[0]->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(manager().popRank(), (QOVLocationManager::PopRank{{"USGA0028:1", 4}}));
}

TEST_F(LocationManagerDamagedDefaultsTest, ADamagedKeyLeavesTheOthersAlone) {
    manager().addFavoriteLocation(LocationManagerWorld::identity("USGA0028"));
    manager().setHomeLocation(LocationManagerWorld::identity("UKXX0085"));
    storeAndRestart(platform::Value(platform::Data{0, 1}), QOVLocationManager::kPushLocationDataKey);

    EXPECT_EQ(manager().favoriteLocations().size(), 1u);
    EXPECT_EQ(manager().homeLocation()->identifierAsString(), "UKXX0085:1");
    EXPECT_EQ(manager().pushLocation()->type(), 0);
}

}  // namespace
