#include "app/shell/locations/LocationSearchResultsViewController.h"

#include <gtest/gtest.h>

#include "tests/app/shell/locations/GeorgiaMatch.h"
#include "tests/support/app/ShellFixture.h"

namespace qovtest {

namespace {

using platform::ui::IndexPath;
using qov::LocationSearchResultsViewController;

// Counts the cells the table asks for, so a reload shows.
class CountingResultsList : public LocationSearchResultsViewController {
public:
    using LocationSearchResultsViewController::LocationSearchResultsViewController;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& table,
                                                                     const IndexPath& indexPath) override {
        ++cellRequests;
        return LocationSearchResultsViewController::tableViewCellForRow(table, indexPath);
    }
    int cellRequests = 0;
};

struct Choices : qov::LocationSearchResultsViewControllerDelegate {
    void searchResultsDidSelectLocation(LocationSearchResultsViewController&,
                                        const std::shared_ptr<qov::QOVLocationIdentity>& location) override {
        chosen.push_back(location);
    }
    void searchResultsShouldCancel(LocationSearchResultsViewController&) override { ++cancels; }
    std::vector<std::shared_ptr<qov::QOVLocationIdentity>> chosen;
    int cancels = 0;
};

class LocationSearchResultsTest : public ShellFixture {
protected:
    LocationSearchResultsTest()
        : list(std::make_shared<CountingResultsList>(
              qov::QOVViewController::nibNameForClass("LocationSearchResultsViewController"))) {
        list->view();
        list->setResults({georgiaMatch("USGA0028", "Atlanta"), georgiaMatch("USGA0001", "Athens")});
        list->resultsTable()->layoutIfNeeded();
    }
    std::shared_ptr<CountingResultsList> list;
};

TEST_F(LocationSearchResultsTest, RowsShowTheMatchesDisplayNamesInBlackOnWhite) {
    const auto& table = *list->resultsTable();
    ASSERT_EQ(table.numberOfRowsInSection(0), 2);
    const auto cell = table.cellForRow({0, 1});
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->textLabel()->text(), "Athens, GA");
    EXPECT_EQ(cell->reuseIdentifier(), "ResultsCell");
    EXPECT_EQ(cell->selectionStyle(), platform::ui::TableViewCellSelectionStyle::None);
    EXPECT_EQ(table.backgroundColor(), platform::gfx::Color::white());
}

TEST_F(LocationSearchResultsTest, OnlyANewArrayReloadsTheTable) {
    const int before = list->cellRequests;
    list->setResults(list->results());
    list->resultsTable()->layoutIfNeeded();
    EXPECT_EQ(list->cellRequests, before);
    list->setResults({georgiaMatch("USGA0028", "Atlanta"), georgiaMatch("USGA0001", "Athens")});
    list->resultsTable()->layoutIfNeeded();
    EXPECT_GT(list->cellRequests, before);
}

TEST_F(LocationSearchResultsTest, TapsAndCancelReachOnlyADelegate) {
    list->resultsTable()->tapRow({0, 0});
    list->dismiss();  // no delegate: nothing happens
    const auto choices = std::make_shared<Choices>();
    list->setDelegate(choices);
    list->resultsTable()->tapRow({0, 1});
    list->dismiss();
    ASSERT_EQ(choices->chosen.size(), 1u);
    EXPECT_EQ(choices->chosen[0]->key(), "USGA0001");
    EXPECT_EQ(choices->cancels, 1);
}

TEST(LocationSearchResultsIndexPaths, RowsOfSectionZero) {
    EXPECT_TRUE(LocationSearchResultsViewController::buildIndexPathArrayWithCapacity(0).empty());
    EXPECT_TRUE(LocationSearchResultsViewController::buildIndexPathArrayWithCapacity(-3).empty());
    EXPECT_EQ(LocationSearchResultsViewController::buildIndexPathArrayWithCapacity(2),
              (std::vector<IndexPath>{{0, 0}, {0, 1}}));
}

}  // namespace

}  // namespace qovtest
