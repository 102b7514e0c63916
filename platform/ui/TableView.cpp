#include "platform/ui/TableView.h"

#include <algorithm>

#include "platform/base/Log.h"
#include "platform/ui/Label.h"

QOV_LOG_LEVEL(15)

namespace platform::ui {

namespace {

constexpr double kPlainHeaderHeight = 22.0;
constexpr double kGroupedHeaderHeight = 36.0;
constexpr double kGroupedSpacing = 10.0;
constexpr gfx::Color kGroupedBackground = gfx::Color::rgba(0.77, 0.8, 0.84);

std::shared_ptr<Label> makeHeaderLabel(const std::string& title, TableViewStyle style) {
    auto label = std::make_shared<Label>();
    label->setText(title);
    label->setFont(gfx::Font::boldSystemFont(style == TableViewStyle::Plain ? 17.0 : 16.0));
    if (style == TableViewStyle::Plain) {
        label->setBackgroundColor(gfx::Color::rgba(0.6, 0.65, 0.7, 0.9));
        label->setTextColor(gfx::Color::white());
    } else {
        label->setTextColor(gfx::Color::rgba(0.3, 0.34, 0.42));
    }
    return label;
}

}  // namespace

TableView::TableView(const Rect& frame, TableViewStyle style) : ScrollView(frame), m_style(style) {
    setBackgroundColor(style == TableViewStyle::Grouped ? kGroupedBackground : gfx::Color::white());
}

void TableView::setDelegate(std::weak_ptr<TableViewDelegate> delegate) {
    m_delegate = delegate;
    ScrollView::setDelegate(std::weak_ptr<ScrollViewDelegate>(delegate.lock()));
}

void TableView::setEditing(bool editing, bool) {
    m_editing = editing;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        configureEditing(*cell, indexPath);
        cell->layoutIfNeeded();
    }
    setNeedsDisplay();
}

void TableView::setSeparatorColor(const gfx::Color& color) {
    m_separatorColor = color;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        cell->setSeparatorColor(color);
    }
}

void TableView::configureEditing(TableViewCell& cell, const IndexPath& indexPath) {
    auto dataSource = m_dataSource.lock();
    TableViewCell::EditingState state;
    if (m_editing && dataSource && dataSource->tableViewCanEditRow(*this, indexPath)) {
        auto delegate = m_delegate.lock();
        state.editing = true;
        state.style =
            delegate ? delegate->tableViewEditingStyleForRow(*this, indexPath) : TableViewCellEditingStyle::Delete;
        state.indents = !delegate || delegate->tableViewShouldIndentWhileEditingRow(*this, indexPath);
        state.movable = dataSource->tableViewCanMoveRow(*this, indexPath);
    }
    cell.setEditingState(state);
}

bool TableView::hideDeleteConfirmations() {
    bool shown = false;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        if (cell->showsDeleteConfirmation()) {
            cell->setShowsDeleteConfirmation(false);
            cell->layoutIfNeeded();
            shown = true;
        }
    }
    return shown;
}

void TableView::setTableHeaderView(std::shared_ptr<View> view) {
    if (m_tableHeaderView) {
        m_tableHeaderView->removeFromSuperview();
    }
    m_tableHeaderView = std::move(view);
    if (m_tableHeaderView) {
        m_tableHeaderView->setFrame(Rect(0.0, 0.0, bounds().width(), m_tableHeaderView->frame().height()));
        addSubview(m_tableHeaderView);
    }
    if (m_loaded) {
        reloadData();
    }
}

double TableView::rowInset() const { return m_style == TableViewStyle::Grouped ? kGroupedSpacing : 0.0; }

void TableView::reloadData() {
    if (m_updateDepth > 0) {
        m_reloadPending = true;
        return;
    }
    for (const auto& [indexPath, cell] : std::map(m_visibleCells)) {
        enqueue(cell);
    }
    m_visibleCells.clear();
    m_selectedRow.reset();
    computeLayout();
    const Point maximum = maximumContentOffset();
    const Point offset = contentOffset();
    if (offset.y > maximum.y) {
        setBounds(Rect(Point{offset.x, maximum.y}, bounds().size));
    }
    layoutVisibleRows();
}

void TableView::insertRows(const std::vector<IndexPath>&) { reloadData(); }

void TableView::deleteRows(const std::vector<IndexPath>&) { reloadData(); }

void TableView::reloadRows(const std::vector<IndexPath>&) { reloadData(); }

void TableView::beginUpdates() { ++m_updateDepth; }

void TableView::endUpdates() {
    if (m_updateDepth > 0 && --m_updateDepth == 0 && m_reloadPending) {
        m_reloadPending = false;
        reloadData();
    }
}

void TableView::computeLayout() {
    for (const Section& section : m_sections) {
        if (section.header) {
            section.header->removeFromSuperview();
        }
    }
    m_sections.clear();
    m_loaded = true;
    auto dataSource = m_dataSource.lock();
    auto delegate = m_delegate.lock();
    double y = m_tableHeaderView ? m_tableHeaderView->frame().height() : 0.0;
    const int sections = dataSource ? std::max(0, dataSource->numberOfSectionsInTableView(*this)) : 0;
    for (int index = 0; index < sections; ++index) {
        Section section;
        std::optional<std::string> title;
        if (delegate) {
            section.header = delegate->tableViewViewForHeaderInSection(*this, index);
        }
        if (!section.header && (title = dataSource->tableViewTitleForHeaderInSection(*this, index))) {
            section.header = makeHeaderLabel(*title, m_style);
            section.isTitle = true;
        }
        std::optional<double> headerHeight =
            delegate ? delegate->tableViewHeightForHeaderInSection(*this, index) : std::nullopt;
        if (!headerHeight) {
            if (section.header && !title && section.header->frame().height() > 0.0) {
                headerHeight = section.header->frame().height();
            } else if (section.header) {
                headerHeight = m_style == TableViewStyle::Plain ? kPlainHeaderHeight : kGroupedHeaderHeight;
            } else {
                headerHeight = m_style == TableViewStyle::Plain ? 0.0 : kGroupedSpacing;
            }
        }
        section.headerTop = y;
        section.headerHeight = std::max(0.0, *headerHeight);
        y += section.headerHeight;
        const int rows = std::max(0, dataSource->tableViewNumberOfRowsInSection(*this, index));
        for (int row = 0; row < rows; ++row) {
            std::optional<double> height =
                delegate ? delegate->tableViewHeightForRow(*this, IndexPath{index, row}) : std::nullopt;
            section.rowTops.push_back(y);
            section.rowHeights.push_back(std::max(0.0, height.value_or(m_rowHeight)));
            y += section.rowHeights.back();
        }
        if (m_style == TableViewStyle::Grouped) {
            y += kGroupedSpacing;
        }
        if (section.header) {
            addSubview(section.header);
        }
        m_sections.push_back(std::move(section));
    }
    setContentSize(Size{bounds().width(), y});
}

bool TableView::isValid(const IndexPath& indexPath) const {
    return indexPath.section >= 0 && indexPath.section < numberOfSections() && indexPath.row >= 0 &&
           indexPath.row < numberOfRowsInSection(indexPath.section);
}

int TableView::numberOfRowsInSection(int section) const {
    if (section < 0 || section >= numberOfSections()) {
        return 0;
    }
    return static_cast<int>(m_sections[static_cast<std::size_t>(section)].rowTops.size());
}

Rect TableView::rectForRow(const IndexPath& indexPath) const {
    if (!isValid(indexPath)) {
        return Rect();
    }
    const Section& section = m_sections[static_cast<std::size_t>(indexPath.section)];
    const auto row = static_cast<std::size_t>(indexPath.row);
    return Rect(rowInset(), section.rowTops[row], bounds().width() - 2.0 * rowInset(), section.rowHeights[row]);
}

void TableView::enqueue(const std::shared_ptr<TableViewCell>& cell) {
    cell->removeFromSuperview();
    cell->setSelected(false);
    cell->setShowsDeleteConfirmation(false);
    if (!cell->reuseIdentifier().empty()) {
        m_reusePool[cell->reuseIdentifier()].push_back(cell);
    }
}

std::shared_ptr<TableViewCell> TableView::dequeueReusableCell(const std::string& identifier) {
    auto found = m_reusePool.find(identifier);
    if (found == m_reusePool.end() || found->second.empty()) {
        return nullptr;
    }
    auto cell = found->second.back();
    found->second.pop_back();
    cell->prepareForReuse();
    return cell;
}

std::size_t TableView::reusePoolSize(const std::string& identifier) const {
    auto found = m_reusePool.find(identifier);
    return found == m_reusePool.end() ? 0 : found->second.size();
}

void TableView::layoutVisibleRows() {
    if (m_laying || !m_loaded) {
        return;
    }
    m_laying = true;
    const Rect viewport = bounds();
    for (auto it = m_visibleCells.begin(); it != m_visibleCells.end();) {
        if (!isValid(it->first) || !rectForRow(it->first).intersects(viewport)) {
            enqueue(it->second);
            it = m_visibleCells.erase(it);
        } else {
            ++it;
        }
    }
    auto dataSource = m_dataSource.lock();
    for (int sectionIndex = 0; sectionIndex < numberOfSections(); ++sectionIndex) {
        Section& section = m_sections[static_cast<std::size_t>(sectionIndex)];
        if (section.header) {
            // A grouped table's title lines up with the text of its inset rows.
            const double inset = section.isTitle ? 2.0 * rowInset() : 0.0;
            section.header->setFrame(
                Rect(inset, section.headerTop, bounds().width() - 2.0 * inset, section.headerHeight));
        }
        for (int row = 0; row < numberOfRowsInSection(sectionIndex); ++row) {
            const IndexPath indexPath{sectionIndex, row};
            const Rect frame = rectForRow(indexPath);
            if (!frame.intersects(viewport)) {
                continue;
            }
            std::shared_ptr<TableViewCell> cell;
            if (auto visible = m_visibleCells.find(indexPath); visible != m_visibleCells.end()) {
                cell = visible->second;
            } else if (dataSource) {
                cell = dataSource->tableViewCellForRow(*this, indexPath);
                if (!cell) {
                    QOV_LOG_ERROR("The data source gave no cell for row {} of section {}", row, sectionIndex);
                    continue;
                }
                m_visibleCells[indexPath] = cell;
                insertSubview(cell, 0);
                cell->setSelected(m_selectedRow == indexPath);
                if (auto delegate = m_delegate.lock()) {
                    delegate->tableViewWillDisplayCell(*this, *cell, indexPath);
                }
            } else {
                continue;
            }
            cell->setFrame(frame);
            cell->setSeparatorColor(m_separatorColor);
            configureEditing(*cell, indexPath);
            cell->setNeedsLayout();
            cell->layoutIfNeeded();
        }
    }
    // Cells stay behind the section headers, in row order.
    std::size_t position = 0;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        insertSubview(cell, position++);
    }
    m_laying = false;
}

std::shared_ptr<TableViewCell> TableView::cellForRow(const IndexPath& indexPath) const {
    auto found = m_visibleCells.find(indexPath);
    return found == m_visibleCells.end() ? nullptr : found->second;
}

std::vector<std::shared_ptr<TableViewCell>> TableView::visibleCells() const {
    std::vector<std::shared_ptr<TableViewCell>> cells;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        cells.push_back(cell);
    }
    return cells;
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell& cell) const {
    for (const auto& [indexPath, visible] : m_visibleCells) {
        if (visible.get() == &cell) {
            return indexPath;
        }
    }
    return std::nullopt;
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() const {
    std::vector<IndexPath> rows;
    for (const auto& [indexPath, cell] : m_visibleCells) {
        rows.push_back(indexPath);
    }
    return rows;
}

std::shared_ptr<View> TableView::headerViewForSection(int section) const {
    if (section < 0 || section >= numberOfSections()) {
        return nullptr;
    }
    return m_sections[static_cast<std::size_t>(section)].header;
}

void TableView::selectRow(const IndexPath& indexPath, bool animated, TableViewScrollPosition position) {
    if (!isValid(indexPath)) {
        return;
    }
    if (m_selectedRow) {
        deselectRow(*m_selectedRow, false);
    }
    m_selectedRow = indexPath;
    if (auto cell = cellForRow(indexPath)) {
        cell->setSelected(true, animated);
    }
    if (position != TableViewScrollPosition::None) {
        scrollToRow(indexPath, position, animated);
    }
}

void TableView::deselectRow(const IndexPath& indexPath, bool animated) {
    if (m_selectedRow != indexPath) {
        return;
    }
    m_selectedRow.reset();
    if (auto cell = cellForRow(indexPath)) {
        cell->setSelected(false, animated);
    }
}

void TableView::scrollToRow(const IndexPath& indexPath, TableViewScrollPosition position, bool animated) {
    const Rect row = rectForRow(indexPath);
    if (row.isEmpty()) {
        return;
    }
    const Rect viewport = bounds();
    double y = viewport.y();
    switch (position) {
        case TableViewScrollPosition::Top: y = row.y(); break;
        case TableViewScrollPosition::Middle: y = row.midY() - viewport.height() / 2.0; break;
        case TableViewScrollPosition::Bottom: y = row.maxY() - viewport.height(); break;
        case TableViewScrollPosition::None:
            if (row.y() < viewport.y()) {
                y = row.y();
            } else if (row.maxY() > viewport.maxY()) {
                y = row.maxY() - viewport.height();
            }
            break;
    }
    y = std::clamp(y, -contentInset().top, maximumContentOffset().y);
    setContentOffset(Point{viewport.x(), y}, animated);
}

void TableView::tapRow(const IndexPath& indexPath) {
    if (hideDeleteConfirmations() || !m_allowsSelection || (m_editing && !m_allowsSelectionDuringEditing) ||
        !isValid(indexPath)) {
        return;
    }
    auto delegate = m_delegate.lock();
    std::optional<IndexPath> target = delegate ? delegate->tableViewWillSelectRow(*this, indexPath) : indexPath;
    if (!target || !isValid(*target)) {
        return;
    }
    if (m_selectedRow && *m_selectedRow != *target) {
        const IndexPath previous = *m_selectedRow;
        deselectRow(previous, false);
        if ((delegate = m_delegate.lock())) {
            delegate->tableViewDidDeselectRow(*this, previous);
        }
    }
    selectRow(*target, false, TableViewScrollPosition::None);
    if ((delegate = m_delegate.lock())) {
        delegate->tableViewDidSelectRow(*this, *target);
    }
}

void TableView::tapAccessoryButton(const IndexPath& indexPath) {
    auto cell = cellForRow(indexPath);
    if (!cell || cell->accessoryView() || cell->accessoryType() != TableViewCellAccessoryType::DetailDisclosureButton) {
        return;
    }
    if (auto delegate = m_delegate.lock()) {
        delegate->tableViewAccessoryButtonTapped(*this, indexPath);
    }
}

void TableView::deleteRow(const IndexPath& indexPath) {
    auto dataSource = m_dataSource.lock();
    if (!dataSource || !isValid(indexPath) || !dataSource->tableViewCanEditRow(*this, indexPath)) {
        return;
    }
    auto delegate = m_delegate.lock();
    const TableViewCellEditingStyle style =
        delegate ? delegate->tableViewEditingStyleForRow(*this, indexPath) : TableViewCellEditingStyle::Delete;
    if (style == TableViewCellEditingStyle::Delete) {
        dataSource->tableViewCommitEditingStyle(*this, style, indexPath);
    }
}

void TableView::moveRow(const IndexPath& from, const IndexPath& to) {
    // A row may land after the last row of another section, not of its own.
    const auto isDrop = [this, &from](const IndexPath& target) {
        return target.section >= 0 && target.section < numberOfSections() && target.row >= 0 &&
               target.row < numberOfRowsInSection(target.section) + (target.section != from.section ? 1 : 0);
    };
    auto dataSource = m_dataSource.lock();
    if (!dataSource || !isValid(from) || !isDrop(to) || !dataSource->tableViewCanMoveRow(*this, from)) {
        return;
    }
    auto delegate = m_delegate.lock();
    const IndexPath target = delegate ? delegate->tableViewTargetIndexPathForMove(*this, from, to) : to;
    if (!isDrop(target)) {
        return;
    }
    dataSource->tableViewMoveRow(*this, from, target);
    reloadData();
}

bool TableView::dragFrom(View& touched, double, double dy) {
    if (!m_editing) {
        return false;
    }
    for (const auto& [indexPath, cell] : std::map(m_visibleCells)) {
        const auto& grip = cell->reorderControl();
        if (grip->isHidden() || !touched.isDescendantOf(*grip)) {
            continue;
        }
        const Rect row = rectForRow(indexPath);
        const double middle = row.midY() + dy;
        const auto& section = m_sections[static_cast<std::size_t>(indexPath.section)];
        int target = 0;
        while (target + 1 < static_cast<int>(section.rowTops.size()) &&
               middle >= section.rowTops[static_cast<std::size_t>(target) + 1]) {
            ++target;
        }
        if (target != indexPath.row) {
            moveRow(indexPath, IndexPath{indexPath.section, target});
        }
        return true;
    }
    return false;
}

bool TableView::tapText(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (const auto& [indexPath, cell] : std::map(m_visibleCells)) {
        if (cell->isVisibleOnScreen() && cell->showsText(text)) {
            tapRow(indexPath);
            return true;
        }
    }
    return false;
}

std::vector<std::string> TableView::dumpState() const {
    auto state = ScrollView::dumpState();
    if (m_editing) {
        state.emplace_back("editing");
    }
    return state;
}

bool TableView::tapFrom(View& touched, const std::string& text) {
    for (const auto& [indexPath, cell] : std::map(m_visibleCells)) {
        const auto& control = cell->editControl();
        if (!control->isHidden() && touched.isDescendantOf(*control)) {
            if (control->editingStyle() == TableViewCellEditingStyle::Insert) {
                hideDeleteConfirmations();
                if (auto dataSource = m_dataSource.lock()) {
                    dataSource->tableViewCommitEditingStyle(*this, TableViewCellEditingStyle::Insert, indexPath);
                }
            } else {
                const bool shown = cell->showsDeleteConfirmation();
                hideDeleteConfirmations();
                cell->setShowsDeleteConfirmation(!shown);
                cell->layoutIfNeeded();
            }
            return true;
        }
        if (touched.isDescendantOf(*cell->reorderControl())) {
            return true;
        }
        if (!cell->disclosureButton()->isHidden() && touched.isDescendantOf(*cell->disclosureButton())) {
            if (!hideDeleteConfirmations()) {
                tapAccessoryButton(indexPath);
            }
            return true;
        }
        if (touched.isDescendantOf(*cell)) {
            tapRow(indexPath);
            return true;
        }
    }
    return ScrollView::tapFrom(touched, text);
}

void TableView::layoutSubviews() {
    if (!m_loaded) {
        reloadData();
    } else {
        setContentSize(Size{bounds().width(), contentSize().height});
        layoutVisibleRows();
    }
}

void TableView::didChangeContentOffset() { layoutVisibleRows(); }

}  // namespace platform::ui
