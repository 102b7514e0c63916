#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/IndexPath.h"

namespace platform::ui {

class TableView;
class TableViewCell;

enum class TableViewCellEditingStyle { None = 0, Delete, Insert };

// Supplies a table's rows. The row count and the cells are required; the rest is optional.
class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;

    virtual int numberOfSectionsInTableView(TableView&) { return 1; }
    virtual int tableViewNumberOfRowsInSection(TableView&, int section) = 0;
    // Usually a cell taken from the table's reuse pool (dequeueReusableCell) and filled in.
    virtual std::shared_ptr<TableViewCell> tableViewCellForRow(TableView&, const IndexPath& indexPath) = 0;
    virtual std::optional<std::string> tableViewTitleForHeaderInSection(TableView&, int /*section*/) {
        return std::nullopt;
    }
    virtual bool tableViewCanEditRow(TableView&, const IndexPath&) { return true; }
    virtual void tableViewCommitEditingStyle(TableView&, TableViewCellEditingStyle, const IndexPath&) {}
    virtual bool tableViewCanMoveRow(TableView&, const IndexPath&) { return false; }
    virtual void tableViewMoveRow(TableView&, const IndexPath& /*from*/, const IndexPath& /*to*/) {}
};

}  // namespace platform::ui
