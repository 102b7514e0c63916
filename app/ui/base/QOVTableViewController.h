#pragma once

#include <memory>

#include "platform/ui/TableViewController.h"

namespace qov {

// Base of the application's table screens: a grouped table (unless a subclass answers another
// tableViewStyle()) that fills the screen under the status bar. Subclasses answer the rows and cells; the
// base raises "Abstract Class Exception". Main thread only.
class QOVTableViewController : public platform::ui::TableViewController {
public:
    // The style tableViewController<T>() makes T with; hides the base's instance getter on purpose, since
    // the two always agree for controllers made that way.
    static platform::ui::TableViewStyle tableViewStyle() { return platform::ui::TableViewStyle::Grouped; }
    template <typename T>
    static std::shared_ptr<T> tableViewController() {
        return std::make_shared<T>(T::tableViewStyle());
    }

    explicit QOVTableViewController(platform::ui::TableViewStyle style = tableViewStyle())
        : TableViewController(style) {}

    virtual bool requiresFullScreen() const { return false; }

    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;

    // The table gets flexible width and height and this controller as its delegate.
    void loadView() override;
    // The view goes under the status bar (when shown) and spans the screen's height for the orientation.
    void viewWillAppear(bool animated) override;
    // Deselects the selected row, then the base.
    void viewDidAppear(bool animated) override;
    // Any orientation on a pad, portrait only otherwise.
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;
};

}  // namespace qov
