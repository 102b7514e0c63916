#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/Value.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SearchBarDelegate.h"
#include "platform/ui/SearchDisplayController.h"
#include "platform/ui/SearchDisplayDelegate.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toolbar.h"

namespace qov {

class FavoriteLocationView;
class QOVLocationIdentity;
class QOVMasterViewController;

// The favourites screen, presented over the root screen inside a BookmarksNavigationController: the favourites
// with their current weather (a tap makes one current and closes the screen), a search for places to add
// (type-ahead matches in the search display's results table; the Search key looks the text up as a postal
// code), the find-me button that adds the GPS position, editing (delete and reorder) and each favourite's detail
// screen. At most kMaximumFavorites favourites are added from a match or the GPS position.
//
// The location manager holds the truth; the screen keeps copies of the favourite, home and push lists, listens to
// the application cache for each of their locations and replaces an entry by its weather when that arrives.
// Answers of searches and GPS reach the screen through weak references, so a dismissed screen gets none, and
// only the answer to the latest type-ahead request of a search still under way counts. While the screen is
// shown it observes the manager's lists; on disappearing it stops listening and observing (GPS included).
// Main thread only.
class BookmarksViewController : public QOVViewController,
                                public platform::ui::TableViewDataSource,
                                public platform::ui::TableViewDelegate,
                                public platform::ui::SearchBarDelegate,
                                public platform::ui::SearchDisplayDelegate,
                                public ApplicationCacheLocationChangedDelegate {
public:
    using Locations = std::vector<std::shared_ptr<QOVLocationIdentity>>;

    static constexpr std::size_t kMaximumFavorites = 10;
    static constexpr unsigned kMaximumTypeAheadResults = 10;
    static constexpr double kFavoriteRowHeight = 48.0;
    static constexpr double kResultRowHeight = 44.0;
    static constexpr platform::ui::Rect kSearchBarFrame{0.0, 1.0, 257.0, 44.0};
    static constexpr const char* kFavoritesCellIdentifier = "FavoritesCell";
    static constexpr const char* kResultCellIdentifier = "ResultCell";
    static constexpr const char* kFavoriteLocationsKey = "favoriteLocations";
    static constexpr const char* kHomeLocationsKey = "homeLocations";
    static constexpr const char* kPushLocationsKey = "pushLocations";

    static void registerInterfaceFile();

    using QOVViewController::QOVViewController;
    ~BookmarksViewController() override;

    // Outlets.
    std::shared_ptr<platform::ui::TableView> m_bookmarksTableView;
    std::shared_ptr<platform::ui::SearchBar> m_searchBar;
    std::shared_ptr<platform::ui::Toolbar> m_toolBar;
    std::shared_ptr<platform::ui::Button> m_findMeButton;

    std::optional<std::string> pageName() const override { return "Favorites"; }
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

    const Locations& favoriteLocations() const { return m_favoriteLocations; }
    const Locations& homeLocations() const { return m_homeLocations; }
    const Locations& pushLocations() const { return m_pushLocations; }
    const Locations& searchResults() const { return m_searchResults; }
    const std::shared_ptr<platform::ui::SearchDisplayController>& searchDisplayController() const {
        return m_searchDisplayController;
    }
    const std::shared_ptr<platform::ui::BarButtonItem>& editBarButtonItem() const { return m_editBarButtonItem; }

    // Actions.
    void findMeButtonPressed();
    void editFavorites();
    void dismiss();

    // Answers.
    void typeAheadDidUpdateWithLocations(const Locations& locations);
    void zipSearchDidUpdateWithLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void locationChangedFromGPS();
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;

    void updateFavoriteLocations();
    void updateHomeLocations();
    void updatePushLocations();
    // Stops listening for the locations under the key, keeps the new list there and listens for it.
    void updateLocationRegistrationsAtKey(const std::string& key, Locations locations);
    void deleteFavoriteAtIndexPath(const platform::ui::IndexPath& indexPath);

    // TableViewDataSource, for the favourites and the search results.
    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<std::string> tableViewTitleForHeaderInSection(platform::ui::TableView& tableView,
                                                                int section) override;
    void tableViewCommitEditingStyle(platform::ui::TableView& tableView, platform::ui::TableViewCellEditingStyle style,
                                     const platform::ui::IndexPath& indexPath) override;
    bool tableViewCanMoveRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;
    void tableViewMoveRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& from,
                          const platform::ui::IndexPath& to) override;
    // TableViewDelegate
    std::optional<double> tableViewHeightForRow(platform::ui::TableView& tableView,
                                                const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;
    void tableViewAccessoryButtonTapped(platform::ui::TableView& tableView,
                                        const platform::ui::IndexPath& indexPath) override;
    platform::ui::TableViewCellEditingStyle tableViewEditingStyleForRow(
        platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;
    bool tableViewShouldIndentWhileEditingRow(platform::ui::TableView& tableView,
                                              const platform::ui::IndexPath& indexPath) override;
    // SearchBarDelegate
    void searchBarTextDidChange(platform::ui::SearchBar& searchBar, const std::string& text) override;
    void searchBarSearchButtonClicked(platform::ui::SearchBar& searchBar) override;
    // SearchDisplayDelegate
    void searchDisplayControllerWillBeginSearch(platform::ui::SearchDisplayController& controller) override;
    void searchDisplayControllerDidEndSearch(platform::ui::SearchDisplayController& controller) override;

private:
    enum class Source { SearchMatch, GPS };

    std::shared_ptr<BookmarksViewController> self();
    std::shared_ptr<QOVMasterViewController> rootController() const;
    bool isFavoritesTable(const platform::ui::TableView& tableView) const {
        return &tableView == m_bookmarksTableView.get();
    }
    Locations* listForKey(const std::string& key);
    void setupNavigationItem();
    // Observes the manager, copies its three lists, listens for their places and reloads the table.
    void refreshLocations();
    void toggleEditBarButtonItem();
    void observeLocationManager();
    void stopObservingLocationManager();
    void stopObservingGPS();
    void setAdRefreshOnLocationChange(bool refresh);
    // Adds the location unless the favourites are full or hold it already (then an alert tells why).
    void addFavoriteWithinLimit(const std::shared_ptr<QOVLocationIdentity>& location, Source source);
    void showAlert(const std::string& message, const std::string& button);
    void typeAheadAnswered(std::uint64_t request, const platform::Value& answer);
    void fillFavoriteCell(FavoriteLocationView& cell, const std::shared_ptr<QOVLocationIdentity>& entry);

    Locations m_favoriteLocations;
    Locations m_homeLocations;
    Locations m_pushLocations;
    Locations m_searchResults;
    std::shared_ptr<platform::ui::BarButtonItem> m_editBarButtonItem;
    std::shared_ptr<platform::ui::SearchDisplayController> m_searchDisplayController;
    std::uint64_t m_typeAheadRequest = 0;
    bool m_observingGPS = false;
    bool m_observingManager = false;
    char m_gpsObserver = 0;  // the identity of the GPS observers
};

}  // namespace qov
