#include "app/shell/locations/LocationSearchBar.h"

#include <gtest/gtest.h>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/locations/LocationDisplayName.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "platform/net/Reachability.h"
#include "platform/ui/AlertView.h"
#include "sim/Fault.h"
#include "tests/app/shell/locations/LocationBarFixture.h"
#include "tests/support/PumpUntil.h"

namespace qovtest {

namespace {

using qov::QOVLocationManager;

// Exactly count favourites (the first launch saves the default place).
void addFavorites(int count) {
    QOVLocationManager::sharedManager()->removeAllFavorites();
    for (int index = 0; index < count; ++index) {
        QOVLocationManager::sharedManager()->addFavoriteLocation(
            std::make_shared<qov::QOVLocationIdentity>(1, "FAV" + std::to_string(index)));
    }
}

std::vector<std::string> keysOf(const qov::LocationSearchBar::Locations& locations) {
    std::vector<std::string> keys;
    for (const auto& location : locations) {
        keys.push_back(location->key().value_or(""));
    }
    return keys;
}

using LocationSearchBarTest = LocationBarFixture;

TEST_F(LocationSearchBarTest, TypedTextListsMatchesOverTheContentAndAChoiceBecomesCurrent) {
    type("Lond");
    ASSERT_TRUE(pumpUntil([this] { return !bar->locations().empty(); }));
    EXPECT_EQ(typeAheadRequestCount(), 1);
    EXPECT_EQ(keysOf(bar->locations()), std::vector<std::string>{"UKXX0085"});
    const auto list = bar->searchResultsController();
    EXPECT_EQ(list->view()->superview(), master->view());
    list->resultsTable()->layoutIfNeeded();
    list->resultsTable()->tapRow({0, 0});
    EXPECT_EQ(currentKey(), "UKXX0085");
    EXPECT_EQ(list->view()->superview(), nullptr);
    EXPECT_FALSE(bar->m_locSearchBar->isEditing());
    const std::string name = qov::locationDisplayName(*bar->searchResultsController()->results().front());
    EXPECT_EQ(bar->text(), name);
    const auto prompt = frontAlert();
    ASSERT_TRUE(prompt);
    EXPECT_EQ(prompt->title(), name);
    EXPECT_EQ(prompt->message(), "Add this location to favorites?");
}

TEST_F(LocationSearchBarTest, EveryKeystrokeAsksAgainAndAnEmptyAnswerClosesTheList) {
    type("Lond");
    ASSERT_TRUE(pumpUntil([this] { return !bar->locations().empty(); }));
    type("x");
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(typeAheadRequestCount(), 2);
    EXPECT_TRUE(bar->locations().empty());
    EXPECT_EQ(bar->searchResultsController()->view()->superview(), nullptr);
}

TEST_F(LocationSearchBarTest, AnAnswerToAnOlderTextIsDropped) {
    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/ta/Atl.js", .delaySeconds = 0.4});
    type("Atl");
    for (int count = 0; count < 3; ++count) {
        bar->m_locSearchBar->deleteBackward();
    }
    type("Lond");
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(typeAheadRequestCount(), 2);
    EXPECT_EQ(keysOf(bar->locations()), std::vector<std::string>{"UKXX0085"});
}

TEST_F(LocationSearchBarTest, AnAnswerAfterCancelNeverReopensTheListAndTheNameComesBack) {
    const std::string shown = bar->text();
    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/ta/Lond.js", .delaySeconds = 0.3});
    type("Lond");
    EXPECT_EQ(bar->text(), "Lond");
    bar->m_locSearchBar->pressCancel();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(bar->locations().empty());
    EXPECT_EQ(bar->searchResultsController()->view()->superview(), nullptr);
    EXPECT_EQ(bar->text(), shown);
    EXPECT_FALSE(bar->m_locSearchBar->showsCancelButton());
}

TEST_F(LocationSearchBarTest, TextSetFromCodeStartsNoSearch) {
    bar->m_locSearchBar->becomeFirstResponder();
    bar->setText("Lond");
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(typeAheadRequestCount(), 0);
}

TEST_F(LocationSearchBarTest, CurrentLocationNewsWhileEditingOnlyChangesTheTextToRestore) {
    type("Bo");
    auto place = std::make_shared<qov::QOVLocation>();
    place->setCity("Miami");
    bar->locationDataChanged(place);
    EXPECT_EQ(bar->text(), "Bo");
    bar->m_locSearchBar->pressCancel();
    EXPECT_EQ(bar->text(), place->displayName());
}

TEST_F(LocationSearchBarTest, SearchLooksUpAPostalCodeOnlyWithTheListClosed) {
    type("30303");
    ASSERT_TRUE(waitUntilIdle());
    bar->m_locSearchBar->pressSearch();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_FALSE(bar->locations().empty());
    EXPECT_EQ(currentKey(), "USGA0028") << "Search does nothing while the matches show";
    bar->searchResultsController()->dismiss();  // the list's Done
    bar->m_locSearchBar->pressSearch();
    ASSERT_TRUE(pumpUntil([] { return currentKey() == "30303"; }));
    EXPECT_FALSE(bar->m_locSearchBar->isEditing());
    EXPECT_TRUE(frontAlert()) << "the save prompt";
}

TEST_F(LocationSearchBarTest, AnUnknownPostalCodeShowsTheErrorBar) {
    const std::string before = currentKey();
    type("00000");
    ASSERT_TRUE(waitUntilIdle());
    bar->m_locSearchBar->pressSearch();
    ASSERT_TRUE(pumpUntil([this] { return !master->errorBar()->message().empty(); }));
    EXPECT_EQ(master->errorBar()->message(), "No location was found for that postal code.");
    EXPECT_EQ(currentKey(), before);
}

TEST_F(LocationSearchBarTest, ASearchWithoutTheNetworkSaysSo) {
    const std::string before = currentKey();
    platform::net::Reachability::shared()->setReachable(false);
    type("30303");
    ASSERT_TRUE(waitUntilIdle());
    bar->m_locSearchBar->pressSearch();
    ASSERT_TRUE(pumpUntil([this] { return !master->errorBar()->message().empty(); }));
    EXPECT_EQ(master->errorBar()->message(), "The network is unavailable. Please search again later.");
    EXPECT_EQ(currentKey(), before);
    platform::net::Reachability::reset();
}

struct FavoriteCase {
    int favorites;
    bool alreadyFavorite;
    const char* expectedAlertTitle;  // nullptr: no alert
};

void PrintTo(const FavoriteCase& favoriteCase, std::ostream* stream) {
    *stream << favoriteCase.favorites << (favoriteCase.alreadyFavorite ? " already saved" : " saved");
}

class LocationSearchBarFavoritesTest : public LocationBarFixture, public ::testing::WithParamInterface<FavoriteCase> {};

TEST_P(LocationSearchBarFavoritesTest, ChoosingAPlaceOffersToSaveItWithinTheLimit) {
    const auto& param = GetParam();
    addFavorites(param.favorites);
    auto london = std::make_shared<qov::QOVLocationIdentity>(1, "UKXX0085");
    if (param.alreadyFavorite) {
        QOVLocationManager::sharedManager()->addFavoriteLocation(london);
    }
    bar->handleLocationSelected(london);
    const auto alert = frontAlert();
    if (!param.expectedAlertTitle) {
        EXPECT_FALSE(alert);
        return;
    }
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), param.expectedAlertTitle);
}

INSTANTIATE_TEST_SUITE_P(Cases, LocationSearchBarFavoritesTest,
                         ::testing::Values(FavoriteCase{0, false, "UKXX0085"}, FavoriteCase{9, false, "UKXX0085"},
                                           FavoriteCase{10, false, "Favorites"}, FavoriteCase{3, true, nullptr}));

TEST_F(LocationSearchBarTest, YesSavesThePromptedPlaceEvenWhenTheCurrentLocationMovedMeanwhile) {
    addFavorites(9);
    bar->handleLocationSelected(std::make_shared<qov::QOVLocationIdentity>(1, "UKXX0085"));
    const auto prompt = frontAlert();
    ASSERT_TRUE(prompt);
    QOVLocationManager::sharedManager()->setCurrentLocation(std::make_shared<qov::QOVLocationIdentity>(1, "USGA0028"));
    prompt->clickButtonAtIndex(0);
    const auto manager = QOVLocationManager::sharedManager();
    EXPECT_TRUE(manager->favoritesContainsLocation(qov::QOVLocationIdentity(1, "UKXX0085")));
    EXPECT_FALSE(manager->favoritesContainsLocation(qov::QOVLocationIdentity(1, "USGA0028")));
    EXPECT_EQ(manager->favoriteLocations().size(), 10u);
}

TEST_F(LocationSearchBarTest, FindMeEndsTheEditAndAsksForAFix) {
    int fixRequests = 0;
    platform::NotificationCenter::defaultCenter().addObserver(
        this, QOVLocationManager::kUpdateStartCurrentLocationWithGPSNotification,
        [&fixRequests](const platform::Notification&) { ++fixRequests; });
    type("Lo");
    bar->findMeButtonPressed();
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    EXPECT_FALSE(bar->m_locSearchBar->isEditing());
    EXPECT_EQ(fixRequests, 1);
}

}  // namespace

}  // namespace qovtest
