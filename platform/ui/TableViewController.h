#pragma once

#include <memory>

#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"
#include "platform/ui/ViewController.h"

namespace platform::ui {

// A screen that is one table, being the table's data source and delegate. The table loads its rows when
// the screen first appears; each appearance clears the selection when clearsSelectionOnViewWillAppear().
class TableViewController : public ViewController, public TableViewDataSource, public TableViewDelegate {
public:
    explicit TableViewController(TableViewStyle style = TableViewStyle::Plain) : m_style(style) {}

    TableViewStyle tableViewStyle() const { return m_style; }
    // The table (loading the view first).
    std::shared_ptr<TableView> tableView();
    bool clearsSelectionOnViewWillAppear() const { return m_clearsSelectionOnViewWillAppear; }
    void setClearsSelectionOnViewWillAppear(bool clears) { m_clearsSelectionOnViewWillAppear = clears; }

    void loadView() override;
    void viewWillAppear(bool animated) override;

private:
    TableViewStyle m_style;
    bool m_clearsSelectionOnViewWillAppear = true;
    bool m_hasAppeared = false;
};

}  // namespace platform::ui
