#include <algorithm>

#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScriptTargets.h"
#include "platform/ui/TableView.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

// Five rows "0" ... "4" whose editing answers the test sets; deletions and moves change the rows.
class EditableList : public TableViewDataSource, public TableViewDelegate {
public:
    int tableViewNumberOfRowsInSection(TableView&, int) override { return static_cast<int>(rows.size()); }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView& table, const IndexPath& path) override {
        auto cell = table.dequeueReusableCell("Row");
        if (!cell) {
            cell = std::make_shared<TableViewCell>(TableViewCellStyle::Default, "Row");
        }
        cell->textLabel()->setText(rows[std::size_t(path.row)]);
        cell->setAccessoryType(TableViewCellAccessoryType::DetailDisclosureButton);
        return cell;
    }
    bool tableViewCanMoveRow(TableView&, const IndexPath&) override { return movable; }
    void tableViewMoveRow(TableView&, const IndexPath& from, const IndexPath& to) override {
        const std::string row = rows[std::size_t(from.row)];
        rows.erase(rows.begin() + from.row);
        rows.insert(rows.begin() + to.row, row);
    }
    void tableViewCommitEditingStyle(TableView& table, TableViewCellEditingStyle style,
                                     const IndexPath& path) override {
        journal.push_back((style == TableViewCellEditingStyle::Delete ? "delete " : "insert ") +
                          rows[std::size_t(path.row)]);
        if (style == TableViewCellEditingStyle::Delete) {
            rows.erase(rows.begin() + path.row);
            table.deleteRows({path});
        }
    }
    TableViewCellEditingStyle tableViewEditingStyleForRow(TableView&, const IndexPath&) override { return style; }
    bool tableViewShouldIndentWhileEditingRow(TableView&, const IndexPath&) override { return indents; }
    IndexPath tableViewTargetIndexPathForMove(TableView&, const IndexPath&, const IndexPath& proposed) override {
        return IndexPath{proposed.section, std::min(proposed.row, lastDrop)};
    }
    void tableViewDidSelectRow(TableView&, const IndexPath& path) override {
        journal.push_back("select " + rows[std::size_t(path.row)]);
    }

    std::vector<std::string> rows{"0", "1", "2", "3", "4"};
    TableViewCellEditingStyle style = TableViewCellEditingStyle::Delete;
    bool indents = true;
    bool movable = true;
    int lastDrop = 4;
    std::vector<std::string> journal;
};

class TableViewEditingTest : public UiFixture {
protected:
    TableViewEditingTest() {
        table->setDataSource(list);
        table->setDelegate(list);
        table->setRowHeight(48.0);
        table->reloadData();
    }
    // The row's cell on screen; a missing one fails the test and a blank cell stands in for it.
    std::shared_ptr<TableViewCell> cell(int row) const {
        if (auto shown = table->cellForRow(IndexPath{0, row})) {
            return shown;
        }
        ADD_FAILURE() << "no cell on screen for row " << row;
        return std::make_shared<TableViewCell>(TableViewCellStyle::Default, "Missing");
    }

    std::shared_ptr<EditableList> list = std::make_shared<EditableList>();
    std::shared_ptr<TableView> table = std::make_shared<TableView>(Rect(0, 0, 320, 300));
};

TEST_F(TableViewEditingTest, EditingShowsTheControlsTheAnswersAskFor) {
    struct Case {
        TableViewCellEditingStyle style;
        bool indents;
        bool movable;
        bool editControl;
        double contentX;
        double contentWidth;
    };
    const Case cases[] = {
        {TableViewCellEditingStyle::Delete, true, true, true, 32, 320 - 32 - 32},
        {TableViewCellEditingStyle::Insert, true, false, true, 32, 320 - 32},
        {TableViewCellEditingStyle::None, false, true, false, 0, 320 - 32},
        {TableViewCellEditingStyle::None, false, false, false, 0, 320},
    };
    for (const Case& each : cases) {
        list->style = each.style;
        list->indents = each.indents;
        list->movable = each.movable;
        table->setEditing(true);
        const auto row = cell(1);
        EXPECT_EQ(row->editControl()->isHidden(), !each.editControl);
        EXPECT_EQ(row->reorderControl()->isHidden(), !each.movable);
        EXPECT_EQ(row->contentView()->frame(), Rect(each.contentX, 0, each.contentWidth, 48));
        table->setEditing(false);
        EXPECT_TRUE(row->editControl()->isHidden());
        EXPECT_EQ(row->contentView()->frame(), Rect(0, 0, 320 - 30, 48)) << "the accessory is back";
    }
}

TEST_F(TableViewEditingTest, TheDeleteControlAsksForConfirmationBeforeTheRowGoes) {
    table->setEditing(true);
    EXPECT_TRUE(ScriptTargets::tap(*cell(2)->editControl(), ""));
    EXPECT_TRUE(cell(2)->showsDeleteConfirmation());
    EXPECT_TRUE(ScriptTargets::tap(*cell(3)->editControl(), ""));
    EXPECT_FALSE(cell(2)->showsDeleteConfirmation()) << "one confirmation at a time";
    table->tapRow(IndexPath{0, 0});
    EXPECT_FALSE(cell(3)->showsDeleteConfirmation()) << "a tap elsewhere hides it";
    ScriptTargets::tap(*cell(1)->editControl(), "");
    table->reloadData();
    for (const auto& shown : table->visibleCells()) {
        EXPECT_FALSE(shown->showsDeleteConfirmation()) << "a reused cell shows no other row's confirmation";
    }
    EXPECT_TRUE(list->journal.empty()) << "neither a deletion nor a selection while editing";

    ScriptTargets::tap(*cell(3)->editControl(), "");
    const auto button = cell(3)->deleteConfirmationButton();
    EXPECT_FALSE(button->isHidden());
    EXPECT_TRUE(ScriptTargets::tap(*button, TableViewCell::kDeleteConfirmationTitle));
    EXPECT_EQ(list->journal, std::vector<std::string>{"delete 3"});
    EXPECT_EQ(table->numberOfRowsInSection(0), 4);

    list->style = TableViewCellEditingStyle::Insert;
    table->reloadData();
    ScriptTargets::tap(*cell(0)->editControl(), "");
    EXPECT_EQ(list->journal.back(), "insert 0");
}

TEST_F(TableViewEditingTest, DraggingTheGripMovesTheRowWhereTheDelegateLetsIt) {
    EXPECT_FALSE(ScriptTargets::drag(*cell(0)->reorderControl(), 0, 100)) << "not while the table is not edited";
    table->setEditing(true);
    EXPECT_TRUE(ScriptTargets::drag(*cell(0)->reorderControl(), 0, 100));  // the middle lands in row 2
    EXPECT_EQ(list->rows, (std::vector<std::string>{"1", "2", "0", "3", "4"}));
    list->lastDrop = 3;
    ScriptTargets::drag(*cell(0)->reorderControl(), 0, 1000);
    EXPECT_EQ(list->rows, (std::vector<std::string>{"2", "0", "3", "1", "4"}));
    ScriptTargets::drag(*cell(3)->reorderControl(), 0, -1000);
    EXPECT_EQ(list->rows, (std::vector<std::string>{"1", "2", "0", "3", "4"}));
    EXPECT_FALSE(ScriptTargets::drag(*cell(1)->textLabel(), 0, 100)) << "the row's text scrolls";
}

TEST_F(TableViewEditingTest, SelectionWhileEditingAndTheSeparatorColour) {
    table->setEditing(true);
    table->setAllowsSelectionDuringEditing(true);
    table->tapRow(IndexPath{0, 1});
    EXPECT_EQ(list->journal, std::vector<std::string>{"select 1"});
    table->setSeparatorColor(gfx::Color::redColor());
    EXPECT_NE(ScreenDump::dumpView(*table).find("TableViewCellEditControl {0, 0, 32, 48} delete"), std::string::npos);
    gfx::BitmapContext context(320, 48);
    cell(0)->draw(context);
    EXPECT_EQ(context.makeImage()->pixel(100, 47), gfx::Color::redColor());
}

}  // namespace
}  // namespace platform::ui
