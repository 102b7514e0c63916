#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/IndexPath.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace platform::ui {

enum class TableViewStyle { Plain = 0, Grouped = 1 };
enum class TableViewScrollPosition { None = 0, Top, Middle, Bottom };

// Rows in sections, scrolled vertically. Only the rows inside the viewport have cells (asked of the data
// source as they come into view); cells that leave go to a reuse pool by identifier. Section headers are
// subviews too (the delegate's view, or a label with the data source's title). reloadData() asks again
// for everything. tapRow(), tapAccessoryButton(), deleteRow() and moveRow() are the user's gestures.
// Data source and delegate are not retained.
//
// Editing: while the table is edited each editable row shows the edit control its delegate's editing style asks
// for (indented unless the delegate says no) and, when the data source lets it move, a reorder control. A tap on
// a delete control shows the row's "Delete" button (a tap anywhere else in the table hides it again); the
// button commits the deletion through the data source. Dragging a reorder control moves the row to where the
// finger stops, as the delegate's target question allows.
class TableView : public ScrollView {
public:
    static constexpr double kDefaultRowHeight = 44.0;

    explicit TableView(const Rect& frame = Rect(), TableViewStyle style = TableViewStyle::Plain);

    TableViewStyle style() const { return m_style; }
    std::shared_ptr<TableViewDataSource> dataSource() const { return m_dataSource.lock(); }
    void setDataSource(std::weak_ptr<TableViewDataSource> dataSource) { m_dataSource = std::move(dataSource); }
    std::shared_ptr<TableViewDelegate> tableDelegate() const { return m_delegate.lock(); }
    // Also the scroll delegate.
    void setDelegate(std::weak_ptr<TableViewDelegate> delegate);

    double rowHeight() const { return m_rowHeight; }
    void setRowHeight(double height) { m_rowHeight = height; }
    const gfx::Color& separatorColor() const { return m_separatorColor; }
    void setSeparatorColor(const gfx::Color& color);
    bool allowsSelection() const { return m_allowsSelection; }
    void setAllowsSelection(bool allows) { m_allowsSelection = allows; }
    bool allowsSelectionDuringEditing() const { return m_allowsSelectionDuringEditing; }
    void setAllowsSelectionDuringEditing(bool allows) { m_allowsSelectionDuringEditing = allows; }
    bool isEditing() const { return m_editing; }
    void setEditing(bool editing, bool animated = false);
    // A view above the first section (its frame's height is kept).
    const std::shared_ptr<View>& tableHeaderView() const { return m_tableHeaderView; }
    void setTableHeaderView(std::shared_ptr<View> view);

    void reloadData();
    // Row changes: the table reloads (inside beginUpdates/endUpdates, once at the end).
    void insertRows(const std::vector<IndexPath>& indexPaths);
    void deleteRows(const std::vector<IndexPath>& indexPaths);
    void reloadRows(const std::vector<IndexPath>& indexPaths);
    void beginUpdates();
    void endUpdates();

    // A cell from the pool for the identifier (after prepareForReuse), or nullptr when there is none.
    std::shared_ptr<TableViewCell> dequeueReusableCell(const std::string& identifier);
    std::size_t reusePoolSize(const std::string& identifier) const;

    int numberOfSections() const { return static_cast<int>(m_sections.size()); }
    int numberOfRowsInSection(int section) const;
    // The row's rectangle in the table's content; empty for a row that does not exist.
    Rect rectForRow(const IndexPath& indexPath) const;
    // The cell of a visible row, or nullptr.
    std::shared_ptr<TableViewCell> cellForRow(const IndexPath& indexPath) const;
    std::vector<std::shared_ptr<TableViewCell>> visibleCells() const;
    // The row of a visible cell, or nullopt.
    std::optional<IndexPath> indexPathForCell(const TableViewCell& cell) const;
    std::vector<IndexPath> indexPathsForVisibleRows() const;
    // The header view of a section, when it has one.
    std::shared_ptr<View> headerViewForSection(int section) const;

    std::optional<IndexPath> indexPathForSelectedRow() const { return m_selectedRow; }
    // From code: no delegate calls.
    void selectRow(const IndexPath& indexPath, bool animated, TableViewScrollPosition position);
    void deselectRow(const IndexPath& indexPath, bool animated);
    void scrollToRow(const IndexPath& indexPath, TableViewScrollPosition position, bool animated);

    // The user taps a row: will select (which may redirect or refuse), deselect of the previous row,
    // select, did select.
    void tapRow(const IndexPath& indexPath);
    // The user taps a row's detail disclosure button.
    void tapAccessoryButton(const IndexPath& indexPath);
    // The user deletes a row (swipe, or the editing control): the data source commits the deletion when
    // it lets the row be edited and the delegate's editing style is delete.
    void deleteRow(const IndexPath& indexPath);
    // The user drags a row to another position, when the data source lets it move; the delegate may redirect
    // the drop.
    void moveRow(const IndexPath& from, const IndexPath& to);
    // A finger on touched (inside this table) moves dx, dy: dragging a row's reorder control while editing moves
    // the row to where its middle ends up. Answers whether the drag was a reorder.
    bool dragFrom(View& touched, double dx, double dy);

    // Taps the visible row showing the text.
    bool tapText(const std::string& text) override;
    // A touch inside a visible cell selects its row (while editing, only when selection during editing is
    // allowed); on an edit control it shows the delete confirmation or commits the insertion.
    bool tapFrom(View& touched, const std::string& text) override;
    bool respondsToTaps() const override { return true; }
    // Adds "editing" while editing.
    std::vector<std::string> dumpState() const override;
    void layoutSubviews() override;

protected:
    void didChangeContentOffset() override;

private:
    struct Section {
        double headerTop = 0.0;
        double headerHeight = 0.0;
        std::shared_ptr<View> header;
        bool isTitle = false;  // the header is the label made for the data source's title
        std::vector<double> rowTops;
        std::vector<double> rowHeights;
    };

    bool isValid(const IndexPath& indexPath) const;
    void computeLayout();
    void layoutVisibleRows();
    void enqueue(const std::shared_ptr<TableViewCell>& cell);
    // The cell's editing state for its row as the data source and delegate answer now.
    void configureEditing(TableViewCell& cell, const IndexPath& indexPath);
    // Hides every delete confirmation; answers whether one showed.
    bool hideDeleteConfirmations();
    double rowInset() const;

    TableViewStyle m_style;
    std::weak_ptr<TableViewDataSource> m_dataSource;
    std::weak_ptr<TableViewDelegate> m_delegate;
    double m_rowHeight = kDefaultRowHeight;
    gfx::Color m_separatorColor = gfx::Color::lightGray();
    bool m_allowsSelection = true;
    bool m_allowsSelectionDuringEditing = false;
    bool m_editing = false;
    std::shared_ptr<View> m_tableHeaderView;
    std::vector<Section> m_sections;
    std::map<IndexPath, std::shared_ptr<TableViewCell>> m_visibleCells;
    std::map<std::string, std::vector<std::shared_ptr<TableViewCell>>, std::less<>> m_reusePool;
    std::optional<IndexPath> m_selectedRow;
    int m_updateDepth = 0;
    bool m_reloadPending = false;
    bool m_loaded = false;
    bool m_laying = false;
};

}  // namespace platform::ui
