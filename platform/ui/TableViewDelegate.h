#pragma once

#include <memory>
#include <optional>

#include "platform/ui/IndexPath.h"
#include "platform/ui/ScrollViewDelegate.h"
#include "platform/ui/TableViewDataSource.h"

namespace platform::ui {

class TableView;
class TableViewCell;
class View;

// Told about a table's rows and selection, and asked for sizes; every operation is optional (nullopt and
// nullptr mean "use the table's own").
class TableViewDelegate : public ScrollViewDelegate {
public:
    virtual std::optional<double> tableViewHeightForRow(TableView&, const IndexPath&) { return std::nullopt; }
    virtual std::optional<double> tableViewHeightForHeaderInSection(TableView&, int /*section*/) {
        return std::nullopt;
    }
    virtual std::shared_ptr<View> tableViewViewForHeaderInSection(TableView&, int /*section*/) { return nullptr; }
    virtual void tableViewWillDisplayCell(TableView&, TableViewCell&, const IndexPath&) {}
    // The row to select instead, or nullopt to refuse the selection.
    virtual std::optional<IndexPath> tableViewWillSelectRow(TableView&, const IndexPath& indexPath) {
        return indexPath;
    }
    virtual void tableViewDidSelectRow(TableView&, const IndexPath&) {}
    virtual void tableViewDidDeselectRow(TableView&, const IndexPath&) {}
    virtual void tableViewAccessoryButtonTapped(TableView&, const IndexPath&) {}
    virtual TableViewCellEditingStyle tableViewEditingStyleForRow(TableView&, const IndexPath&) {
        return TableViewCellEditingStyle::Delete;
    }
    // Whether the row's content moves right to make room for its edit control while the table is edited.
    virtual bool tableViewShouldIndentWhileEditingRow(TableView&, const IndexPath&) { return true; }
    // Where a row the user drags from source ends up when dropped at proposed.
    virtual IndexPath tableViewTargetIndexPathForMove(TableView&, const IndexPath& /*source*/,
                                                      const IndexPath& proposed) {
        return proposed;
    }
};

}  // namespace platform::ui
