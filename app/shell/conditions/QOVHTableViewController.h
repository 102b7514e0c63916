#pragma once

#include <memory>

#include "platform/ui/TableViewController.h"

namespace qov {

// A table turned on its side: its view is rotated a quarter turn back (-pi/2) when it loads, so its rows run
// from left to right. Its cells (QOVHTableViewCell) turn their content upright again. Whoever uses it makes
// itself the table's data source; on its own it has no rows. Main thread only.
class QOVHTableViewController : public platform::ui::TableViewController {
public:
    void viewDidLoad() override;
    int tableViewNumberOfRowsInSection(platform::ui::TableView&, int) override { return 0; }
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView&,
                                                                     const platform::ui::IndexPath&) override {
        return std::make_shared<platform::ui::TableViewCell>();
    }
    // Turns the content of every visible cell upright (QOVHTableViewCell::rotateCell).
    void refreshCellTransform();
};

}  // namespace qov
