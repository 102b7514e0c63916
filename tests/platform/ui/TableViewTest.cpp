#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewController.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

// A sample list: sections of rows titled "S.R", cells taken from the reuse pool when there are any.
class SampleList : public TableViewDataSource, public TableViewDelegate {
public:
    int numberOfSectionsInTableView(TableView&) override { return static_cast<int>(rows.size()); }
    int tableViewNumberOfRowsInSection(TableView&, int section) override { return rows[std::size_t(section)]; }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView& table, const IndexPath& path) override {
        auto cell = table.dequeueReusableCell("Row");
        if (!cell) {
            cell = std::make_shared<TableViewCell>(TableViewCellStyle::Subtitle, "Row");
            ++cellsMade;
        }
        cell->textLabel()->setText(std::to_string(path.section) + "." + std::to_string(path.row));
        cell->detailTextLabel()->setText("detail");
        cell->setAccessoryType(path.row == 0 ? TableViewCellAccessoryType::DetailDisclosureButton
                                             : TableViewCellAccessoryType::DisclosureIndicator);
        return cell;
    }
    std::optional<std::string> tableViewTitleForHeaderInSection(TableView&, int section) override {
        return section == 0 ? std::optional<std::string>("Favorites") : std::nullopt;
    }
    bool tableViewCanMoveRow(TableView&, const IndexPath&) override { return true; }
    void tableViewMoveRow(TableView&, const IndexPath& from, const IndexPath& to) override {
        journal.push_back("move " + std::to_string(from.row) + "->" + std::to_string(to.row));
    }
    void tableViewCommitEditingStyle(TableView& table, TableViewCellEditingStyle, const IndexPath& path) override {
        journal.push_back("delete " + std::to_string(path.row));
        --rows[std::size_t(path.section)];
        table.deleteRows({path});
    }
    std::optional<IndexPath> tableViewWillSelectRow(TableView&, const IndexPath& path) override {
        journal.push_back("willSelect " + std::to_string(path.row));
        if (path.row == 3) {
            return std::nullopt;
        }
        return path.row == 4 ? IndexPath{path.section, 5} : path;
    }
    void tableViewDidSelectRow(TableView&, const IndexPath& path) override {
        journal.push_back("didSelect " + std::to_string(path.row));
    }
    void tableViewDidDeselectRow(TableView&, const IndexPath& path) override {
        journal.push_back("didDeselect " + std::to_string(path.row));
    }
    void tableViewAccessoryButtonTapped(TableView&, const IndexPath& path) override {
        journal.push_back("accessory " + std::to_string(path.row));
    }
    void tableViewWillDisplayCell(TableView&, TableViewCell&, const IndexPath&) override { ++displayed; }

    std::vector<int> rows{100};
    int cellsMade = 0;
    int displayed = 0;
    std::vector<std::string> journal;
};

class TableViewTest : public UiFixture {
protected:
    TableViewTest() {
        table->setDataSource(list);
        table->setDelegate(list);
        table->reloadData();
    }

    std::shared_ptr<SampleList> list = std::make_shared<SampleList>();
    std::shared_ptr<TableView> table = std::make_shared<TableView>(Rect(0, 0, 320, 440));
};

TEST_F(TableViewTest, OnlyVisibleRowsHaveCellsAndScrolledAwayCellsAreReused) {
    // 22-point header, then 44-point rows: 10 rows fit in 440 points, the tenth partly.
    EXPECT_EQ(table->contentSize().height, 22 + 100 * 44);
    EXPECT_EQ(table->visibleCells().size(), 10u);
    EXPECT_EQ(list->cellsMade, 10);
    table->setContentOffset(Point{0, 44 * 5});
    EXPECT_EQ(table->indexPathsForVisibleRows().front(), (IndexPath{0, 4}));
    EXPECT_EQ(table->indexPathsForVisibleRows().back(), (IndexPath{0, 14}));
    for (int offset = 0; offset < 4000; offset += 100) {
        table->setContentOffset(Point{0, double(offset)});
    }
    EXPECT_LE(list->cellsMade, 12);
    EXPECT_GT(list->displayed, 80);
    const auto cell = table->cellForRow(IndexPath{0, 88});
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->text(), "0.88");
    EXPECT_EQ(cell->frame(), Rect(0, 22 + 88 * 44, 320, 44));
    EXPECT_EQ(cell->superview(), table);
    EXPECT_EQ(table->cellForRow(IndexPath{0, 3}), nullptr);
}

TEST_F(TableViewTest, ACellsImageIsDrawnLeftOfItsText) {
    gfx::BitmapContext square(20, 20);
    square.fillRect(Rect(0, 0, 20, 20), gfx::Color::rgba(0, 0, 1));
    auto cell = std::make_shared<TableViewCell>(TableViewCellStyle::Default, "Row");
    cell->textLabel()->setText("Paris");
    cell->imageView()->setImage(std::make_shared<Image>(square.makeImage(), "flag.png"));
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->textLabel()->frame().x(), 40);  // a margin, the image, a margin
    const auto picture = ScreenRenderer::renderView(*cell);
    EXPECT_EQ(picture->pixel(20, 22), gfx::Color::rgba(0, 0, 1));
}

TEST_F(TableViewTest, ReloadReturnsEveryCellToThePool) {
    list->rows = {3};
    table->reloadData();
    EXPECT_EQ(table->visibleCells().size(), 3u);
    EXPECT_EQ(table->reusePoolSize("Row"), 7u);
    EXPECT_EQ(list->cellsMade, 10);
    list->rows = {};
    table->reloadData();
    EXPECT_TRUE(table->visibleCells().empty());
    EXPECT_EQ(table->numberOfSections(), 0);
}

TEST_F(TableViewTest, TapSelectsThroughTheDelegate) {
    table->tapRow(IndexPath{0, 1});
    table->tapRow(IndexPath{0, 3});
    table->tapRow(IndexPath{0, 4});
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 5}));
    const auto selected = table->cellForRow(IndexPath{0, 5});
    const auto deselected = table->cellForRow(IndexPath{0, 1});
    ASSERT_TRUE(selected && deselected);
    EXPECT_TRUE(selected->isSelected());
    EXPECT_FALSE(deselected->isSelected());
    table->tapRow(IndexPath{0, 500});
    EXPECT_EQ(list->journal, (std::vector<std::string>{"willSelect 1", "didSelect 1", "willSelect 3", "willSelect 4",
                                                       "didDeselect 1", "didSelect 5"}));
    table->deselectRow(IndexPath{0, 5}, false);
    EXPECT_FALSE(table->indexPathForSelectedRow());
    EXPECT_FALSE(table->tapText("0.50"));  // not on screen
    EXPECT_TRUE(table->tapText("0.2"));
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 2}));
    table->setAllowsSelection(false);
    table->tapRow(IndexPath{0, 1});
    EXPECT_EQ(list->journal.size(), 8u);
}

TEST_F(TableViewTest, AccessoryDeleteAndMove) {
    table->tapAccessoryButton(IndexPath{0, 0});
    table->tapAccessoryButton(IndexPath{0, 1});  // a disclosure indicator is no button
    table->deleteRow(IndexPath{0, 2});
    EXPECT_EQ(table->numberOfRowsInSection(0), 99);
    table->moveRow(IndexPath{0, 1}, IndexPath{0, 6});
    table->moveRow(IndexPath{0, 1}, IndexPath{0, 99});
    EXPECT_EQ(list->journal, (std::vector<std::string>{"accessory 0", "delete 2", "move 1->6"}));
}

TEST_F(TableViewTest, ScrollToRowAndSelectFromCode) {
    table->scrollToRow(IndexPath{0, 50}, TableViewScrollPosition::Top, false);
    EXPECT_EQ(table->contentOffset().y, 22 + 50 * 44);
    table->scrollToRow(IndexPath{0, 99}, TableViewScrollPosition::Top, false);
    EXPECT_EQ(table->contentOffset().y, table->maximumContentOffset().y);
    table->selectRow(IndexPath{0, 0}, false, TableViewScrollPosition::None);
    EXPECT_EQ(table->contentOffset().y, table->maximumContentOffset().y);
    table->selectRow(IndexPath{0, 1}, false, TableViewScrollPosition::Middle);
    EXPECT_EQ(table->contentOffset().y, 0);
    EXPECT_TRUE(list->journal.empty());
}

TEST_F(TableViewTest, TheLastRowAnswersAndTheRowPastItIsNothing) {
    const IndexPath last{0, 99};
    const IndexPath pastLast{0, 100};
    EXPECT_EQ(table->rectForRow(last), Rect(0, 22 + 99 * 44, 320, 44));
    EXPECT_TRUE(table->rectForRow(pastLast).isEmpty());
    EXPECT_TRUE(table->rectForRow(IndexPath{1, 0}).isEmpty());  // one section past the last
    EXPECT_EQ(table->numberOfRowsInSection(1), 0);
    EXPECT_EQ(table->headerViewForSection(1), nullptr);

    table->scrollToRow(pastLast, TableViewScrollPosition::Top, false);
    EXPECT_EQ(table->contentOffset().y, 0);
    table->selectRow(pastLast, false, TableViewScrollPosition::Bottom);
    EXPECT_FALSE(table->indexPathForSelectedRow());
    table->tapRow(pastLast);
    table->moveRow(IndexPath{0, 1}, pastLast);
    EXPECT_TRUE(list->journal.empty());

    table->scrollToRow(last, TableViewScrollPosition::Bottom, false);
    EXPECT_EQ(table->contentOffset().y, 22 + 100 * 44 - 440);
    table->tapRow(last);
    EXPECT_EQ(table->indexPathForSelectedRow(), last);
    EXPECT_EQ(table->indexPathsForVisibleRows().back(), last);
    ASSERT_TRUE(table->cellForRow(last));
    EXPECT_EQ(table->cellForRow(last)->text(), "0.99");
    EXPECT_EQ(table->cellForRow(pastLast), nullptr);
    EXPECT_EQ(list->journal, (std::vector<std::string>{"willSelect 99", "didSelect 99"}));
}

TEST_F(TableViewTest, SectionHeadersAreViewsAndGroupedRowsAreInset) {
    list->rows = {2, 2};
    auto grouped = std::make_shared<TableView>(Rect(0, 0, 320, 400), TableViewStyle::Grouped);
    grouped->setDataSource(list);
    grouped->reloadData();
    auto header = grouped->headerViewForSection(0);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->text(), "Favorites");
    EXPECT_EQ(header->frame(), Rect(20, 0, 280, 36));  // in line with the rows' text
    EXPECT_EQ(grouped->headerViewForSection(1), nullptr);
    EXPECT_EQ(grouped->rectForRow(IndexPath{0, 0}), Rect(10, 36, 300, 44));
    EXPECT_EQ(grouped->rectForRow(IndexPath{1, 0}), Rect(10, 36 + 88 + 10 + 10, 300, 44));
}

class SampleTableScreen : public TableViewController {
public:
    SampleTableScreen() : TableViewController(TableViewStyle::Grouped) {}
    int tableViewNumberOfRowsInSection(TableView&, int) override { return 2; }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView&, const IndexPath& path) override {
        auto cell = std::make_shared<TableViewCell>();
        cell->textLabel()->setText(path.row == 0 ? "Units" : "About");
        return cell;
    }
};

TEST_F(TableViewTest, TableScreenLoadsOnFirstAppearanceAndClearsTheSelection) {
    auto screen = std::make_shared<SampleTableScreen>();
    EXPECT_EQ(screen->tableView()->numberOfSections(), 0);
    screen->viewWillAppear(false);
    EXPECT_EQ(screen->tableView()->numberOfRowsInSection(0), 2);
    screen->tableView()->tapText("About");
    EXPECT_TRUE(screen->tableView()->indexPathForSelectedRow());
    screen->viewWillAppear(false);
    EXPECT_FALSE(screen->tableView()->indexPathForSelectedRow());
}

}  // namespace
}  // namespace platform::ui
