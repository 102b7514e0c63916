#pragma once

#include <string>
#include <vector>

#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/View.h"

namespace platform::ui {

// The control at the left of a row while its table is edited: a red minus (delete) or a green plus (insert).
// A tap on it reaches the table (TableView::tapFrom), which shows the row's delete confirmation or commits the
// insertion. The screen dump names its style ("delete" or "insert").
class TableViewCellEditControl : public View {
public:
    using View::View;

    TableViewCellEditingStyle editingStyle() const { return m_style; }
    void setEditingStyle(TableViewCellEditingStyle style) { m_style = style; }

    std::vector<std::string> dumpState() const override;
    void draw(gfx::BitmapContext& context) const override;

private:
    TableViewCellEditingStyle m_style = TableViewCellEditingStyle::Delete;
};

// The grip at the right of a movable row while its table is edited: a finger dragging it moves the row
// (TableView::dragFrom).
class TableViewCellReorderControl : public View {
public:
    using View::View;

    void draw(gfx::BitmapContext& context) const override;
};

// The detail disclosure button of a row whose accessory type asks for one: a tap on it reaches the table
// (TableView::tapFrom), which tells its delegate that the row's accessory button was tapped.
class TableViewCellDisclosureButton : public View {
public:
    using View::View;

    void draw(gfx::BitmapContext& context) const override;
};

}  // namespace platform::ui
