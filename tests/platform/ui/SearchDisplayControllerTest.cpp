#include <gtest/gtest.h>

#include "platform/ui/Keyboard.h"
#include "platform/ui/SearchDisplayController.h"
#include "platform/ui/TouchPanel.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class SearchJournal : public SearchDisplayDelegate, public SearchBarDelegate, public TableViewDataSource {
public:
    void searchDisplayControllerWillBeginSearch(SearchDisplayController&) override { journal.push_back("willBegin"); }
    void searchDisplayControllerDidBeginSearch(SearchDisplayController&) override { journal.push_back("didBegin"); }
    void searchDisplayControllerWillEndSearch(SearchDisplayController&) override { journal.push_back("willEnd"); }
    void searchDisplayControllerDidEndSearch(SearchDisplayController&) override { journal.push_back("didEnd"); }
    bool searchDisplayControllerShouldReloadTableForSearchString(SearchDisplayController&,
                                                                 const std::string& text) override {
        journal.push_back("reload? " + text);
        return text != "Lo";
    }
    void searchBarCancelButtonClicked(SearchBar&) override { journal.push_back("cancel"); }
    int tableViewNumberOfRowsInSection(TableView&, int) override {
        ++rowQuestions;
        return 1;
    }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView&, const IndexPath&) override {
        return std::make_shared<TableViewCell>();
    }

    std::vector<std::string> journal;
    int rowQuestions = 0;
};

class SearchDisplayControllerTest : public UiFixture {
protected:
    SearchDisplayControllerTest() {
        window->setRootViewController(screen);
        window->makeKeyAndVisible();
        screen->view()->addSubview(bar);
        bar->setDelegate(journal);
        search->setDelegate(journal);
        search->setSearchResultsDataSource(journal);
    }
    bool shows(const std::shared_ptr<View>& view) const { return view->superview() == screen->view(); }

    std::shared_ptr<Window> window = std::make_shared<Window>();
    std::shared_ptr<ViewController> screen = std::make_shared<ViewController>();
    std::shared_ptr<SearchBar> bar = std::make_shared<SearchBar>(Rect(0, 1, 257, 44));
    std::shared_ptr<SearchJournal> journal = std::make_shared<SearchJournal>();
    std::shared_ptr<SearchDisplayController> search = SearchDisplayController::create(bar, screen);
};

TEST_F(SearchDisplayControllerTest, EditingStartsTheSearchAndTypedTextShowsTheResultsAboveTheKeyboard) {
    bar->typeText("L");
    EXPECT_TRUE(search->isActive());
    EXPECT_TRUE(bar->showsCancelButton());
    EXPECT_EQ(bar->frame(), Rect(0, 1, 320, 44));
    EXPECT_TRUE(shows(search->dimmingView()));
    EXPECT_EQ(search->dimmingView()->frame(), Rect(0, 45, 320, 415));
    ASSERT_TRUE(shows(search->searchResultsTableView()));
    const double keyboardTop = 480 - Keyboard::kHeight;
    EXPECT_EQ(search->searchResultsTableView()->frame(), Rect(0, 45, 320, keyboardTop - 20 - 45));
    const int asked = journal->rowQuestions;
    bar->typeText("o");
    EXPECT_EQ(journal->rowQuestions, asked) << "the delegate said not to reload";
    bar->deleteBackward();
    bar->deleteBackward();
    EXPECT_FALSE(shows(search->searchResultsTableView())) << "no text, no results";
    EXPECT_TRUE(shows(search->dimmingView()));
    EXPECT_EQ(journal->journal, (std::vector<std::string>{"willBegin", "reload? ", "didBegin", "reload? L",
                                                          "reload? Lo", "reload? L", "reload? "}));
}

TEST_F(SearchDisplayControllerTest, CancelOrATapOnTheCoverEndsTheSearch) {
    bar->typeText("Lond");
    journal->journal.clear();
    bar->pressCancel();
    EXPECT_FALSE(search->isActive());
    EXPECT_EQ(bar->text(), "");
    EXPECT_FALSE(bar->isEditing());
    EXPECT_FALSE(bar->showsCancelButton());
    EXPECT_EQ(bar->frame(), Rect(0, 1, 257, 44));
    EXPECT_FALSE(shows(search->dimmingView()));
    EXPECT_FALSE(shows(search->searchResultsTableView()));
    EXPECT_EQ(journal->journal, (std::vector<std::string>{"cancel", "willEnd", "didEnd"}));

    search->setActive(true, false);
    EXPECT_TRUE(bar->isEditing());
    EXPECT_TRUE(search->dimmingView()->tapFrom(*search->dimmingView(), ""));
    EXPECT_FALSE(search->isActive());
}

TEST_F(SearchDisplayControllerTest, AFingerOnTheCancelButtonCancelsAndOnTheFieldEdits) {
    bar->typeText("Lond");
    const Rect cancel = bar->cancelButtonFrame();
    ASSERT_FALSE(cancel.isEmpty());
    // The bar starts 21 points down the screen (the screen's view 20, the bar one more); beside the field, up to
    // the bar's edges, the finger is on Cancel.
    EXPECT_EQ(TouchPanel::tap(Point{cancel.midX(), 21 + cancel.midY()}), std::nullopt);
    EXPECT_EQ(journal->journal.back(), "didEnd");
    EXPECT_FALSE(search->isActive());
    EXPECT_FALSE(Keyboard::isShown()) << "the keyboard went";
    EXPECT_TRUE(bar->cancelButtonFrame().isEmpty());

    EXPECT_EQ(TouchPanel::tap(Point{250, 24}), std::nullopt) << "the right of the narrowed bar";
    EXPECT_TRUE(bar->isEditing()) << "without Cancel, a finger on the bar starts editing";
    EXPECT_EQ(TouchPanel::tap(Point{317, 23}), std::nullopt) << "the bar's corner, beside Cancel";
    EXPECT_FALSE(search->isActive());
}

}  // namespace
}  // namespace platform::ui
