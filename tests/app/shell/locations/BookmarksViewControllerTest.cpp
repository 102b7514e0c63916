#include "app/shell/locations/BookmarksViewController.h"

#include <sstream>

#include <gtest/gtest.h>

#include "app/shell/locations/LocationSearchResultsViewController.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/locations/BookmarksNavigationController.h"
#include "app/shell/locations/FavoriteLocationView.h"
#include "app/shell/locations/FavoritesDetailViewController.h"
#include "app/shell/locations/FavoritesViewController.h"
#include "platform/base/RunLoop.h"
#include "platform/geo/FixedPositionSource.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/ScriptTargets.h"
#include "sim/Fault.h"
#include "tests/app/shell/locations/LocationBarFixture.h"
#include "tests/support/PumpUntil.h"

namespace qovtest {

namespace {

using platform::ui::IndexPath;
using qov::QOVLocationIdentity;
using qov::QOVLocationManager;

std::shared_ptr<QOVLocationManager> manager() { return QOVLocationManager::sharedManager(); }

std::vector<std::string> favoriteKeys() {
    std::vector<std::string> keys;
    for (const auto& favorite : manager()->favoriteLocations()) {
        keys.push_back(favorite->key().value_or(""));
    }
    return keys;
}

void setFavorites(const std::vector<std::string>& keys) {
    manager()->removeAllFavorites();
    for (const auto& key : keys) {
        manager()->addFavoriteLocation(std::make_shared<QOVLocationIdentity>(1, key));
    }
}

// The application against the stand-in service, with the bookmarks screen opened from the root screen.
class BookmarksTest : public LocationBarFixture {
protected:
    void open(const std::vector<std::string>& favorites) {
        setFavorites(favorites);
        open();
    }
    void open() {
        master->displayFavorites();
        const auto stack = std::dynamic_pointer_cast<qov::BookmarksNavigationController>(master->modalViewController());
        ASSERT_TRUE(stack);
        screen = std::dynamic_pointer_cast<qov::BookmarksViewController>(stack->topViewController());
        ASSERT_TRUE(screen);
        ASSERT_TRUE(waitUntilIdle());
    }
    void close() {
        master->dismissModalViewControllerAnimated(false);
        screen.reset();
    }
    std::shared_ptr<platform::ui::TableView> table() const { return screen->m_bookmarksTableView; }
    std::shared_ptr<qov::FavoriteLocationView> cell(int row) const {
        table()->layoutIfNeeded();
        return std::dynamic_pointer_cast<qov::FavoriteLocationView>(table()->cellForRow(IndexPath{0, row}));
    }
    std::string alertMessage() const {
        const auto alert = frontAlert();
        return alert ? alert->message() : "";
    }
    static void placeDevice(double latitude, double longitude) {
        const auto position =
            std::dynamic_pointer_cast<platform::geo::FixedPositionSource>(platform::geo::PositionSource::shared());
        ASSERT_TRUE(position);
        position->setCoordinate(platform::geo::Coordinate{latitude, longitude});
    }
    void search(const std::string& text) {
        screen->m_searchBar->typeText(text);
        ASSERT_TRUE(waitUntilIdle());
    }

    std::shared_ptr<qov::BookmarksViewController> screen;
};

TEST_F(BookmarksTest, ListsTheFavouritesWithTheirWeatherAndATapMakesOneCurrent) {
    open({"USGA0028", "UKXX0085"});
    ASSERT_TRUE(pumpUntil([this] { return cell(0) && cell(1) && !cell(1)->m_tempLabel->text().empty(); }));
    EXPECT_EQ(cell(0)->m_displayName->text(), "Atlanta, GA");
    EXPECT_EQ(cell(1)->m_displayName->text(), "London, United Kingdom");
    table()->tapRow(IndexPath{0, 1});
    EXPECT_EQ(currentKey(), "UKXX0085");
    EXPECT_EQ(master->modalViewController(), nullptr);
}

struct MatchCase {
    std::vector<std::string> favorites;
    std::string expectedAlert;  // empty: London is added
};

void PrintTo(const MatchCase& matchCase, std::ostream* stream) {
    *stream << matchCase.favorites.size() << " saved" << (matchCase.expectedAlert.empty() ? "" : ", alert ")
            << matchCase.expectedAlert;
}

class BookmarksMatchTest : public BookmarksTest, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(BookmarksMatchTest, AMatchIsAddedWithinTheLimitAndOnlyOnce) {
    open(GetParam().favorites);
    search("Lond");
    ASSERT_EQ(screen->searchResults().size(), 1u);
    screen->searchDisplayController()->searchResultsTableView()->tapRow(IndexPath{0, 0});
    EXPECT_FALSE(screen->searchDisplayController()->isActive());
    EXPECT_EQ(alertMessage(), GetParam().expectedAlert);
    const std::size_t before = GetParam().favorites.size();
    EXPECT_EQ(manager()->favoriteLocations().size(), GetParam().expectedAlert.empty() ? before + 1 : before);
}

const std::vector<std::string> kNine{"USGA0028", "USNY0996", "USCA0638", "USIL0225", "USFL0316",
                                     "USWA0395", "USMA0046", "USCA0987", "USTX0617"};
std::vector<std::string> withOneMore(std::vector<std::string> keys, const std::string& key) {
    keys.push_back(key);
    return keys;
}

INSTANTIATE_TEST_SUITE_P(Cases, BookmarksMatchTest,
                         ::testing::Values(MatchCase{{"USGA0028"}, ""}, MatchCase{kNine, ""},
                                           MatchCase{{"UKXX0085"},
                                                     "You already have this location in the favorite list."},
                                           MatchCase{withOneMore(kNine, "USTX0327"),
                                                     "You currently have 10 favorite locations saved. Please "
                                                     "delete one before adding this location."}));

TEST_F(BookmarksTest, APostalCodeIsAddedBeyondTheLimitAndAnUnknownOneShowsTheErrorBar) {
    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/ta/*", .status = 500});
    open(withOneMore(kNine, "USTX0327"));
    search("30303");
    screen->m_searchBar->pressSearch();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(favoriteKeys().back(), "30303");
    EXPECT_FALSE(screen->searchDisplayController()->isActive());
    search("00000");
    screen->m_searchBar->pressSearch();
    ASSERT_TRUE(pumpUntil([this] { return !master->errorBar()->message().empty(); }));
    EXPECT_EQ(manager()->favoriteLocations().size(), 11u);
}

TEST_F(BookmarksTest, FoundPlacesShowWholeAndOnceEach) {
    open(std::vector<std::string>{});
    const auto results = screen->searchDisplayController()->searchResultsTableView();
    const auto rowsFace = platform::gfx::Font::boldSystemFont(qov::LocationSearchResultsViewController::kRowFontSize);
    struct Search {
        const char* text;
        const char* name;
        bool inTheRowsFace;
    };
    const Search searches[] = {{"Lond", "London, ENG, United Kingdom", true},
                               {"Manc", "Manchester, ENG, United Kingdom", false},
                               {"atl", "Atlanta, GA", true}};
    for (const auto& [text, name, inTheRowsFace] : searches) {
        SCOPED_TRACE(text);
        screen->m_searchBar->setText("");
        search(text);
        results->layoutIfNeeded();
        ASSERT_EQ(results->numberOfRowsInSection(0), 1);
        const auto row = results->cellForRow(IndexPath{0, 0});
        ASSERT_TRUE(row);
        const auto label = row->textLabel();
        EXPECT_EQ(label->text(), name);
        EXPECT_LE(label->font().sizeOfText(label->text()).width, label->bounds().width());
        EXPECT_GE(label->font().pointSize(), qov::LocationSearchResultsViewController::kMinimumRowFontSize);
        EXPECT_EQ(label->font() == rowsFace, inTheRowsFace);
    }
}

TEST_F(BookmarksTest, FindMeAddsThePositionOnceAndAFailureChangesNothing) {
    placeDevice(51.51, -0.13);
    open({"USGA0028"});
    screen->findMeButtonPressed();
    ASSERT_TRUE(pumpUntil([] { return favoriteKeys().size() == 2; }));
    EXPECT_EQ(favoriteKeys().back(), "UKXX0085");
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(screen->favoriteLocations().size(), 2u) << "the screen follows the manager";
    screen->findMeButtonPressed();
    ASSERT_TRUE(pumpUntil([this] { return !alertMessage().empty(); }));
    EXPECT_EQ(alertMessage(), "You already have the current location in the favorite list.");
    platform::ui::PopupRegistry::shared().removeAll();

    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/loc/get.js", .status = 500});
    placeDevice(48.857, 2.352);
    screen->findMeButtonPressed();
    ASSERT_TRUE(waitUntilIdle());
    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(favoriteKeys().size(), 2u);
    EXPECT_EQ(frontAlert(), nullptr);
}

TEST_F(BookmarksTest, DeletingAFavouriteThatIsHomeAndPushRemovesAllThreeAndItsNickname) {
    setFavorites({"USGA0028", "UKXX0085"});
    const auto london = manager()->favoriteLocations().back();
    manager()->setHomeLocation(london);
    manager()->setPushLocation(london);
    manager()->setNickname("Office", *london);
    open();
    screen->editFavorites();
    ASSERT_TRUE(cell(1));
    ASSERT_TRUE(platform::ui::ScriptTargets::tap(*cell(1)->editControl(), ""));
    ASSERT_TRUE(platform::ui::ScriptTargets::tap(*cell(1)->deleteConfirmationButton(), "Delete"));
    EXPECT_EQ(favoriteKeys(), std::vector<std::string>{"USGA0028"});
    EXPECT_TRUE(manager()->homeLocations().empty());
    EXPECT_TRUE(manager()->pushLocations().empty());
    EXPECT_EQ(london->userNickname(), "");
    EXPECT_EQ(screen->favoriteLocations().size(), 1u);
}

TEST_F(BookmarksTest, AScriptEditsTheFavourites) {
    open({"USGA0028", "UKXX0085", "30303", "USNY0996"});
    std::ostringstream output;
    platform::ui::ScreenScript script(output);
    std::istringstream lines(
        "tap Edit\ndrag @TableViewCellReorderControl #1 0 200\n"  // Atlanta to the end
        "tap @TableViewCellEditControl #2\ntap Delete\ntap Done\n");
    script.run(lines);
    EXPECT_EQ(script.failures(), 0) << output.str();
    EXPECT_EQ(favoriteKeys(), (std::vector<std::string>{"UKXX0085", "USNY0996", "USGA0028"}));
    EXPECT_FALSE(table()->isEditing());
    screen->editFavorites();
    table()->tapRow(IndexPath{0, 0});
    EXPECT_EQ(screen->editBarButtonItem()->title(), "Edit") << "a choice ends editing";
    EXPECT_EQ(currentKey(), "UKXX0085");
}

TEST_F(BookmarksTest, WeatherReplacesEveryMatchWhileAnyListStillShowsThePlace) {
    setFavorites({"USGA0028", "UKXX0085"});
    manager()->setHomeLocation(manager()->favoriteLocations().front());
    open();
    const auto atlanta = std::make_shared<QOVLocationIdentity>(1, "USGA0028");
    screen->updateLocationRegistrationsAtKey(qov::BookmarksViewController::kPushLocationsKey, {atlanta, atlanta});
    platform::RunLoop::main().runUntilIdle();
    manager()->setHomeLocation(manager()->favoriteLocations().back());
    screen->updateHomeLocations();  // Atlanta leaves the home list; the other lists still show it
    platform::RunLoop::main().runUntilIdle();
    auto fresh = std::make_shared<qov::QOVLocation>();
    fresh->setType(1);
    fresh->setKey("USGA0028");
    qov::ApplicationCacheFactory::sharedInstance().cache()->storeLocation(fresh);
    EXPECT_EQ(screen->favoriteLocations().front(), fresh);
    EXPECT_EQ(screen->pushLocations(), (qov::BookmarksViewController::Locations{fresh, fresh})) << "every match";
}

TEST_F(BookmarksTest, TheDetailScreenSetsNicknameHomeAndPush) {
    open({"USGA0028", "UKXX0085"});
    ASSERT_TRUE(pumpUntil([this] { return cell(0) && cell(1) && !cell(1)->m_tempLabel->text().empty(); }));
    const auto detailFor = [this](int row) {
        table()->tapAccessoryButton(IndexPath{0, row});
        return std::dynamic_pointer_cast<qov::FavoritesDetailViewController>(
            screen->navigationController()->topViewController());
    };
    auto detail = detailFor(0);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->m_cityNameLabel->text(), "Atlanta, GA");
    detail->m_homeSwitch->toggle();
    detail->m_pushSwitch->toggle();
    screen->navigationController()->popViewControllerAnimated(false);
    EXPECT_FALSE(cell(0)->m_homeIndicator->isHidden());
    EXPECT_FALSE(cell(0)->m_pushIndicator->isHidden());

    detail = detailFor(1);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->m_cityNameLabel->text(), "London, ENG");
    detail->m_homeSwitch->toggle();
    const double top = detail->view()->frame().y();
    detail->m_nickNameText->typeText("Office");
    EXPECT_EQ(detail->view()->frame().y(), top - 2 * detail->m_nickNameText->frame().height());
    detail->m_nickNameText->pressReturn();
    EXPECT_EQ(detail->view()->frame().y(), top);
    detail->setButtonPressed();
    EXPECT_EQ(screen->navigationController()->topViewController(), screen);
    EXPECT_EQ(manager()->homeLocation()->key(), "UKXX0085");
    EXPECT_TRUE(cell(0)->m_homeIndicator->isHidden()) << "the home marker moved";
    EXPECT_FALSE(cell(1)->m_homeIndicator->isHidden());
    EXPECT_EQ(cell(1)->m_displayName->text(), "Office");

    detail = detailFor(1);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->m_nickNameText->text(), "Office");
    detail->m_nickNameText->setText("");
    detail->setButtonPressed();
    EXPECT_EQ(manager()->favoriteLocations().back()->userNickname(), "");
    EXPECT_EQ(manager()->homeLocation()->userNickname(), "");
    EXPECT_EQ(cell(1)->m_displayName->text(), "London, United Kingdom");
}

TEST_F(BookmarksTest, ThePickerOffersNoneThenTheFavouritesAndGoesBack) {
    open();
    auto picker = qov::QOVViewController::viewControllerFromNib<qov::FavoritesViewController>();
    picker->setFavorites({std::make_shared<QOVLocationIdentity>(1, "UKXX0085")});
    screen->navigationController()->pushViewController(picker, false);
    const auto& rows = picker->m_favoritesTableView;
    rows->layoutIfNeeded();
    const auto none = rows->cellForRow(IndexPath{0, 0});
    const auto london = rows->cellForRow(IndexPath{0, 1});
    ASSERT_TRUE(none && london);
    EXPECT_EQ(none->text(), "Disabled");
    EXPECT_EQ(london->text(), "UKXX0085");
    rows->tapRow(IndexPath{0, 1});
    EXPECT_EQ(screen->navigationController()->topViewController(), screen);
}

TEST_F(BookmarksTest, AnswersAfterTheScreenWasDismissedAreDropped) {
    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/ta/*", .delaySeconds = 0.3});
    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/loc/get.js", .delaySeconds = 0.3});
    placeDevice(51.51, -0.13);
    open({"USGA0028"});
    screen->m_searchBar->typeText("Lond");
    screen->findMeButtonPressed();
    std::weak_ptr<qov::BookmarksViewController> gone = screen;
    close();
    EXPECT_TRUE(gone.expired());
    ASSERT_TRUE(waitUntilIdle());
    platform::RunLoop::main().runUntilIdle();
    EXPECT_EQ(favoriteKeys(), std::vector<std::string>{"USGA0028"});
    EXPECT_EQ(frontAlert(), nullptr);
}

}  // namespace

}  // namespace qovtest
