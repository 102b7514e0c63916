// The full-screen list of search results as the runner's `present` shows it over the root screen, with the
// location bar as its delegate (as an interface file would connect it), and the location bar's delegate.
#include "app/shell/locations/LocationSearchResultsModalViewController.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/core/location/QOVLocationManager.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/root/RootScreenState.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/ScreenScript.h"
#include "tests/app/shell/locations/GeorgiaMatch.h"
#include "tests/app/shell/locations/LocationBarFixture.h"

namespace qovtest {
namespace {

using qov::LocationSearchResultsModalViewController;

// Runs script lines; answers the failures written.
std::string run(const std::string& lines) {
    std::ostringstream output;
    std::istringstream input(lines);
    platform::ui::ScreenScript(output).run(input);
    return output.str();
}

class LocationSearchResultsModalTest : public LocationBarFixture {
protected:
    void SetUp() override {
        LocationBarFixture::SetUp();
        ASSERT_EQ(qov::RootScreenState::presentScreen(LocationSearchResultsModalViewController::kClassName),
                  std::nullopt);
        list = std::dynamic_pointer_cast<LocationSearchResultsModalViewController>(master->modalViewController());
        ASSERT_NE(list, nullptr);
        list->setDelegate(std::static_pointer_cast<qov::LocationSearchResultsModalViewControllerDelegate>(bar));
    }
    static void shoot(const std::string& name) {
        if (const char* folder = std::getenv("QOV_SHOTS_DIR")) {
            platform::ui::ScreenRenderer::writeScreen(std::string(folder) + "/" + name + ".png");
        }
    }
    std::shared_ptr<platform::ui::TableViewCell> row(int index) const {
        list->m_tableView->layoutIfNeeded();
        return list->m_tableView->cellForRow({0, index});
    }

    std::shared_ptr<LocationSearchResultsModalViewController> list;
};

TEST_F(LocationSearchResultsModalTest, WithoutResultsOneCentredRowCountsThemAndReturnsNothing) {
    EXPECT_EQ(list->pageName(), "Location search results page");
    const std::string screen = platform::ui::ScreenDump::dumpScreen();
    EXPECT_NE(screen.find("\"0 results\""), std::string::npos) << screen;
    shoot("search-results-empty");
    ASSERT_EQ(list->m_tableView->numberOfRowsInSection(0), 1);
    EXPECT_EQ(row(0)->reuseIdentifier(), LocationSearchResultsModalViewController::kCellIdentifier);
    EXPECT_EQ(row(0)->textLabel()->textAlignment(), platform::gfx::TextAlignment::Center);
    const std::string before = currentKey();
    EXPECT_EQ(run("tap \"0 results\"\n"), "");
    advance(1.0);
    EXPECT_EQ(master->modalViewController(), nullptr) << "the bar dismisses the list";
    EXPECT_EQ(currentKey(), before);
    EXPECT_EQ(frontAlert(), nullptr);
}

TEST_F(LocationSearchResultsModalTest, AChosenResultBecomesCurrentAndIsOfferedAsAFavourite) {
    list->setSearchResults(
        {georgiaMatch("USGA0028", "Atlanta"), georgiaMatch("USGA0001", "Athens"), georgiaMatch("USGA0002", "Augusta")});
    ASSERT_EQ(list->m_tableView->numberOfRowsInSection(0), 3);
    EXPECT_EQ(row(1)->textLabel()->text(), "Athens, GA");
    EXPECT_EQ(row(1)->textLabel()->textAlignment(), platform::gfx::TextAlignment::Left);
    shoot("search-results");
    EXPECT_EQ(run("tap \"Augusta, GA\"\n"), "");
    advance(1.0);
    EXPECT_EQ(master->modalViewController(), nullptr);
    EXPECT_EQ(currentKey(), "USGA0002");
    EXPECT_EQ(bar->text(), "Augusta, GA");
    const auto prompt = frontAlert();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->title(), "Augusta, GA");
}

TEST_F(LocationSearchResultsModalTest, ARowPastTheResultsReturnsNothing) {
    struct Returned : qov::LocationSearchResultsModalViewControllerDelegate {
        void controllerReturnedSelectedLocation(LocationSearchResultsModalViewController&,
                                                const std::shared_ptr<qov::QOVLocationIdentity>& location) override {
            returned.push_back(location ? location->key().value_or("") : "nil");
        }
        std::vector<std::string> returned;
    };
    const auto delegate = std::make_shared<Returned>();
    list->setDelegate(delegate);
    list->setSearchResults({georgiaMatch("USGA0028", "Atlanta")});
    list->tableViewDidSelectRow(*list->m_tableView, {0, 0});
    list->tableViewDidSelectRow(*list->m_tableView, {0, 1});
    list->tableViewDidSelectRow(*list->m_tableView, {0, -1});
    EXPECT_EQ(delegate->returned, (std::vector<std::string>{"USGA0028", "nil", "nil"}));
}

// Hears the location bar's buttons, in order.
struct ButtonLog : qov::LocationSearchBarDelegate {
    void findMeButtonPressed(qov::LocationSearchBar&) override { presses.emplace_back("find me"); }
    void favoritesButtonPressed(qov::LocationSearchBar&) override { presses.emplace_back("favorites"); }
    std::vector<std::string> presses;
};

using LocationSearchBarButtonsTest = LocationBarFixture;

TEST_F(LocationSearchBarButtonsTest, TheBarsDelegateHearsBothButtons) {
    EXPECT_EQ(std::dynamic_pointer_cast<qov::QOVMasterViewController>(bar->delegate()), master)
        << "the root controller is the bar's delegate";
    const auto log = std::make_shared<ButtonLog>();
    bar->setDelegate(log);
    EXPECT_EQ(run("tap \"Find Me\"\ntap Favorites\n"), "");
    EXPECT_EQ(log->presses, (std::vector<std::string>{"find me", "favorites"}));
    EXPECT_NE(master->modalViewController(), nullptr) << "the favourites still open";
}

}  // namespace
}  // namespace qovtest
