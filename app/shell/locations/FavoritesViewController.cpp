#include "app/shell/locations/FavoritesViewController.h"

#include "app/shell/locations/LocationDisplayName.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/NavigationController.h"

namespace qov {

using namespace platform::ui;

void FavoritesViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    if (m_favoritesTableView) {
        const auto self = std::static_pointer_cast<FavoritesViewController>(shared_from_this());
        m_favoritesTableView->setDataSource(std::static_pointer_cast<TableViewDataSource>(self));
        m_favoritesTableView->setDelegate(std::static_pointer_cast<TableViewDelegate>(self));
    }
}

int FavoritesViewController::tableViewNumberOfRowsInSection(TableView&, int) {
    return static_cast<int>(m_favorites.size()) + 1;
}

std::shared_ptr<TableViewCell> FavoritesViewController::tableViewCellForRow(TableView& tableView,
                                                                            const IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell = std::make_shared<TableViewCell>(TableViewCellStyle::Subtitle, kCellIdentifier);
    }
    const auto index = static_cast<std::size_t>(indexPath.row - 1);
    if (indexPath.row == 0) {
        cell->textLabel()->setText(platform::Bundle::main().localizedString("Disabled", "Disabled"));
    } else if (indexPath.row > 0 && index < m_favorites.size() && m_favorites[index]) {
        cell->textLabel()->setText(locationDisplayName(*m_favorites[index]));
    } else {
        cell->textLabel()->setText({});
    }
    return cell;
}

void FavoritesViewController::tableViewDidSelectRow(TableView&, const IndexPath&) {
    if (const auto navigation = navigationController()) {
        navigation->popViewControllerAnimated(true);
    }
}

}  // namespace qov
