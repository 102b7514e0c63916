#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewController.h"

namespace platform::ui {

// A small sample screen (not an application screen) for the renderer, the dump and the runner:
//   white background; a red square at (0, 0, 100, 100); a half-transparent blue square at (200, 0, 100, 100);
//   a hidden green square; a label "Today"; a button "Refresh"; a segmented control Now / Hourly / Daily;
//   a text field with the placeholder "City"; a table of five rows "Row 0".."Row 4" below y = 250.
class SampleScreen : public ViewController, public TableViewDataSource, public TableViewDelegate {
public:
    void loadView() override;

    int tableViewNumberOfRowsInSection(TableView&, int) override { return 5; }
    std::shared_ptr<TableViewCell> tableViewCellForRow(TableView& table, const IndexPath& path) override;
    void tableViewDidSelectRow(TableView&, const IndexPath& path) override {
        journal.push_back("row " + std::to_string(path.row));
    }

    std::shared_ptr<Label> label;
    std::shared_ptr<Button> button;
    std::shared_ptr<SegmentedControl> segments;
    std::shared_ptr<TextField> field;
    std::shared_ptr<TableView> table;
    std::vector<std::string> journal;
};

}  // namespace platform::ui
