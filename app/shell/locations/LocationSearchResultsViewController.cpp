#include "app/shell/locations/LocationSearchResultsViewController.h"

#include "app/core/model/QOVLocationIdentity.h"
#include "app/shell/locations/LocationDisplayName.h"
#include "app/ui/text/FittingFont.h"
#include "platform/base/Callback.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"

namespace qov {

using namespace platform::ui;

void LocationSearchResultsViewController::registerInterfaceFile() {
    InterfaceFile::registerBuilder(nibNameForClass("LocationSearchResultsViewController"), [](InterfaceContext& file) {
        auto owner = file.ownerAs<LocationSearchResultsViewController>();
        const double width = Screen::bounds().width();
        const double height = 200.0;
        auto view = file.makeTopLevel<View>(Rect(0.0, 0.0, width, height));
        auto table = file.make<TableView>(Rect(0.0, 0.0, width, height - Toolbar::kHeight));
        auto toolBar = file.make<Toolbar>(Rect(0.0, height - Toolbar::kHeight, width, Toolbar::kHeight));
        table->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        toolBar->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleTopMargin);
        view->addSubview(table);
        view->addSubview(toolBar);
        if (owner) {
            toolBar->setItems({std::make_shared<BarButtonItem>(
                BarButtonSystemItem::Done, platform::bindWeak(owner, [](LocationSearchResultsViewController& list,
                                                                        BarButtonItem&) { list.dismiss(); }))});
            owner->m_resultsTable = table;
            owner->m_toolBar = toolBar;
            owner->setView(view);
        }
    });
}

void LocationSearchResultsViewController::viewDidLoad() {
    if (m_resultsTable) {
        const auto self = std::static_pointer_cast<LocationSearchResultsViewController>(shared_from_this());
        m_resultsTable->setDataSource(std::static_pointer_cast<TableViewDataSource>(self));
        m_resultsTable->setDelegate(std::static_pointer_cast<TableViewDelegate>(self));
    }
    QOVViewController::viewDidLoad();
}

void LocationSearchResultsViewController::applyTheme() {
    QOVViewController::applyTheme();
    if (m_resultsTable) {
        m_resultsTable->setBackgroundColor(platform::gfx::Color::white());
    }
}

void LocationSearchResultsViewController::setResults(Results results) {
    if (results == m_results) {
        return;
    }
    m_results = std::move(results);
    if (m_resultsTable) {
        m_resultsTable->reloadData();
    }
}

void LocationSearchResultsViewController::dismiss() {
    if (const auto target = delegate()) {
        target->searchResultsShouldCancel(*this);
    }
}

std::vector<IndexPath> LocationSearchResultsViewController::buildIndexPathArrayWithCapacity(int count) {
    std::vector<IndexPath> paths;
    for (int row = 0; row < count; ++row) {
        paths.push_back(IndexPath{0, row});
    }
    return paths;
}

int LocationSearchResultsViewController::tableViewNumberOfRowsInSection(TableView&, int) {
    return static_cast<int>(m_results.size());
}

std::shared_ptr<TableViewCell> LocationSearchResultsViewController::tableViewCellForRow(TableView& tableView,
                                                                                        const IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = std::make_shared<TableViewCell>(TableViewCellStyle::Subtitle, kCellIdentifier);
    }
    setupCell(*cell, indexPath);
    return cell;
}

void LocationSearchResultsViewController::setupCell(TableViewCell& cell, const IndexPath& indexPath) const {
    cell.setSelectionStyle(TableViewCellSelectionStyle::None);
    const bool inRange = indexPath.row >= 0 && static_cast<std::size_t>(indexPath.row) < m_results.size();
    showPlaceInRow(cell, inRange ? m_results[static_cast<std::size_t>(indexPath.row)].get() : nullptr);
}

void LocationSearchResultsViewController::showPlaceInRow(TableViewCell& cell, const QOVLocationIdentity* place) {
    // The label takes its width from the cell's layout, which a new cell has not had yet.
    cell.setNeedsLayout();
    cell.layoutIfNeeded();
    const auto& label = cell.textLabel();
    const auto name = place ? locationDisplayName(*place) : std::string();
    label->setTextColor(platform::gfx::Color::black());
    label->setFont(fittingBoldFont(name, label->bounds().width(), kRowFontSize, kMinimumRowFontSize));
    label->setText(name);
}

void LocationSearchResultsViewController::tableViewDidSelectRow(TableView&, const IndexPath& indexPath) {
    if (indexPath.row < 0 || static_cast<std::size_t>(indexPath.row) >= m_results.size()) {
        return;
    }
    const auto result = m_results[static_cast<std::size_t>(indexPath.row)];
    const auto target = delegate();
    if (result && target) {
        target->searchResultsDidSelectLocation(*this, result);
    }
}

}  // namespace qov
