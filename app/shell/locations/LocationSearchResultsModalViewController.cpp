#include "app/shell/locations/LocationSearchResultsModalViewController.h"

#include "app/core/model/QOVLocationIdentity.h"
#include "app/shell/locations/LocationDisplayName.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/format/TextFormat.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"

namespace qov {

using namespace platform::ui;

namespace {

constexpr double kTitleHeight = 44.0;

}  // namespace

void LocationSearchResultsModalViewController::registerInterfaceFile() {
    InterfaceFile::registerBuilder(nibNameForClass(kClassName), [](InterfaceContext& file) {
        auto owner = file.ownerAs<LocationSearchResultsModalViewController>();
        const Rect area = Screen::applicationFrame();
        auto view = file.makeTopLevel<View>(Rect(0.0, 0.0, area.width(), area.height()));
        auto title = file.make<Label>(Rect(0.0, 0.0, area.width(), kTitleHeight));
        title->setText("Search Results");
        title->setFont(platform::gfx::Font::boldSystemFont(20.0));
        title->setTextColor(platform::gfx::Color::white());
        title->setBackgroundColor(QOVThemeService::navBarColor());
        title->setTextAlignment(platform::gfx::TextAlignment::Center);
        title->setAutoresizingMask(kAutoresizingFlexibleWidth);
        auto table = file.make<TableView>(Rect(0.0, kTitleHeight, area.width(), area.height() - kTitleHeight));
        table->setBackgroundColor(platform::gfx::Color::white());
        table->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        view->addSubview(title);
        view->addSubview(table);
        if (owner) {
            owner->m_titleLabel = title;
            owner->m_tableView = table;
            owner->setView(view);
        }
    });
}

void LocationSearchResultsModalViewController::viewDidLoad() {
    if (m_tableView) {
        const auto self = std::static_pointer_cast<LocationSearchResultsModalViewController>(shared_from_this());
        m_tableView->setDataSource(std::static_pointer_cast<TableViewDataSource>(self));
        m_tableView->setDelegate(std::static_pointer_cast<TableViewDelegate>(self));
    }
    QOVViewController::viewDidLoad();
}

void LocationSearchResultsModalViewController::setSearchResults(Results results) {
    m_searchResults = std::move(results);
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

const std::shared_ptr<QOVLocationIdentity>* LocationSearchResultsModalViewController::resultAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < m_searchResults.size()
               ? &m_searchResults[static_cast<std::size_t>(row)]
               : nullptr;
}

int LocationSearchResultsModalViewController::tableViewNumberOfRowsInSection(TableView&, int) {
    return m_searchResults.empty() ? 1 : static_cast<int>(m_searchResults.size());
}

std::shared_ptr<TableViewCell> LocationSearchResultsModalViewController::tableViewCellForRow(
    TableView& tableView, const IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = std::make_shared<TableViewCell>(TableViewCellStyle::Default, kCellIdentifier);
    }
    const auto count = static_cast<int>(m_searchResults.size());
    const auto* result = resultAt(indexPath.row);
    if (indexPath.row == count) {
        cell->textLabel()->setText(platform::TextFormat::format("%d results", {count}));
        cell->textLabel()->setTextAlignment(platform::gfx::TextAlignment::Center);
    } else {
        cell->textLabel()->setText(result && *result ? locationDisplayName(**result) : std::string());
        cell->textLabel()->setTextAlignment(platform::gfx::TextAlignment::Left);
    }
    return cell;
}

void LocationSearchResultsModalViewController::tableViewDidSelectRow(TableView&, const IndexPath& indexPath) {
    const auto* result = resultAt(indexPath.row);
    if (const auto target = delegate()) {
        target->controllerReturnedSelectedLocation(*this, result ? *result : nullptr);
    }
}

}  // namespace qov
