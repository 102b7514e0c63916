#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace qov {

class QOVLocationIdentity;

// A picker of one favourite or none: row 0 reads "Disabled", the rows after it name the favourites given. A tap
// goes back; the choice goes nowhere (nothing in the application opens this screen). Main thread only.
class FavoritesViewController : public QOVViewController,
                                public platform::ui::TableViewDataSource,
                                public platform::ui::TableViewDelegate {
public:
    using Favorites = std::vector<std::shared_ptr<QOVLocationIdentity>>;
    static constexpr const char* kCellIdentifier = "FavoriteCell";

    static void registerInterfaceFile();

    using QOVViewController::QOVViewController;

    // Outlet.
    std::shared_ptr<platform::ui::TableView> m_favoritesTableView;

    const Favorites& favorites() const { return m_favorites; }
    void setFavorites(Favorites favorites) { m_favorites = std::move(favorites); }

    std::optional<std::string> pageName() const override { return "Favorites"; }
    void viewDidLoad() override;

    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    Favorites m_favorites;
};

}  // namespace qov
