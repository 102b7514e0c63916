#include "app/shell/locations/BookmarksViewController.h"

#include <algorithm>
#include <typeinfo>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/neighbours/QOVAdView.h"
#include "app/shell/locations/FavoriteLocationView.h"
#include "app/shell/locations/FavoritesDetailViewController.h"
#include "app/shell/locations/LocationDisplayName.h"
#include "app/shell/locations/LocationSearchResultsViewController.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"

namespace qov {

using namespace platform::ui;

namespace {

std::shared_ptr<ApplicationCache> applicationCache() { return ApplicationCacheFactory::sharedInstance().cache(); }

platform::Array arrayOf(const BookmarksViewController::Locations& locations) {
    platform::Array array;
    for (const auto& location : locations) {
        array.emplace_back(location);
    }
    return array;
}

template <typename List>
std::shared_ptr<QOVLocationIdentity> entryAt(const List& list, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < list.size() ? list[static_cast<std::size_t>(row)] : nullptr;
}

}  // namespace

BookmarksViewController::~BookmarksViewController() {
    stopObservingLocationManager();
    platform::NotificationCenter::defaultCenter().removeObserver(&m_gpsObserver);
    if (const auto cache = applicationCache()) {
        cache->stopListeningForDelegate(this);
    }
}

std::shared_ptr<BookmarksViewController> BookmarksViewController::self() {
    return std::static_pointer_cast<BookmarksViewController>(shared_from_this());
}

std::shared_ptr<QOVMasterViewController> BookmarksViewController::rootController() const {
    if (auto master = masterViewController()) {
        return master;
    }
    const auto navigation = navigationController();
    return std::dynamic_pointer_cast<QOVMasterViewController>(navigation ? navigation->presentingViewController()
                                                                         : presentingViewController());
}

// --- Life cycle ---

void BookmarksViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    const auto me = self();
    if (m_searchBar) {
        m_searchBar->setBackgroundImage(Image::named("find-me-background-grey.png"));
        m_searchBar->setFrame(kSearchBarFrame);
        m_searchBar->setDelegate(std::static_pointer_cast<SearchBarDelegate>(me));
        m_searchDisplayController = SearchDisplayController::create(m_searchBar, me);
        m_searchDisplayController->setDelegate(std::static_pointer_cast<SearchDisplayDelegate>(me));
        m_searchDisplayController->setSearchResultsDataSource(std::static_pointer_cast<TableViewDataSource>(me));
        m_searchDisplayController->setSearchResultsDelegate(std::static_pointer_cast<TableViewDelegate>(me));
    }
    if (m_findMeButton) {
        m_findMeButton->setHidden(false);
        m_findMeButton->addAction(
            kControlEventTouchUpInside,
            platform::bindWeak(me, [](BookmarksViewController& screen, Control&) { screen.findMeButtonPressed(); }));
    }
    if (m_bookmarksTableView) {
        m_bookmarksTableView->setDataSource(std::static_pointer_cast<TableViewDataSource>(me));
        m_bookmarksTableView->setDelegate(std::static_pointer_cast<TableViewDelegate>(me));
    }
    setupNavigationItem();
    refreshLocations();
}

void BookmarksViewController::viewWillAppear(bool animated) {
    QOVViewController::viewWillAppear(animated);
    refreshLocations();
    setAdRefreshOnLocationChange(false);
}

void BookmarksViewController::refreshLocations() {
    observeLocationManager();
    updateFavoriteLocations();
    updateHomeLocations();
    updatePushLocations();
    if (m_bookmarksTableView) {
        m_bookmarksTableView->reloadData();
    }
}

void BookmarksViewController::viewDidDisappear(bool animated) {
    QOVViewController::viewDidDisappear(animated);
    if (const auto cache = applicationCache()) {
        cache->stopListeningForDelegate(this);
    }
    stopObservingLocationManager();
    stopObservingGPS();
    setAdRefreshOnLocationChange(true);
}

void BookmarksViewController::setAdRefreshOnLocationChange(bool refresh) {
    const auto master = rootController();
    if (master && master->adView()) {
        master->adView()->setShouldUpdateOnLocationChange(refresh);
    }
}

void BookmarksViewController::setupNavigationItem() {
    const auto me = self();
    const auto& item = navigationItem();
    item->setTitle(localized("Bookmarks"));
    m_editBarButtonItem = std::make_shared<BarButtonItem>(
        localized("Edit"), BarButtonItemStyle::Bordered,
        platform::bindWeak(me, [](BookmarksViewController& screen, BarButtonItem&) { screen.editFavorites(); }));
    item->setRightBarButtonItem(m_editBarButtonItem);
    item->setLeftBarButtonItem(std::make_shared<BarButtonItem>(
        localized("Cancel"), BarButtonItemStyle::Bordered,
        platform::bindWeak(me, [](BookmarksViewController& screen, BarButtonItem&) { screen.dismiss(); })));
}

void BookmarksViewController::dismiss() { dismissModalViewControllerAnimated(true); }

// --- The location manager's lists ---

void BookmarksViewController::observeLocationManager() {
    if (m_observingManager) {
        return;
    }
    m_observingManager = true;
    auto& observers = QOVLocationManager::sharedManager()->keyValueObservers();
    for (const char* key : {kHomeLocationsKey, kFavoriteLocationsKey, kPushLocationsKey}) {
        observers.addObserver(this, key,
                              platform::bindWeak(self(), [](BookmarksViewController& screen, const std::string& keyPath,
                                                            const platform::Value&, const platform::Value&) {
                                  if (keyPath == kFavoriteLocationsKey) {
                                      screen.updateFavoriteLocations();
                                  } else if (keyPath == kHomeLocationsKey) {
                                      screen.updateHomeLocations();
                                  } else {
                                      screen.updatePushLocations();
                                  }
                                  if (screen.m_bookmarksTableView) {
                                      screen.m_bookmarksTableView->reloadData();
                                  }
                              }));
    }
}

void BookmarksViewController::stopObservingLocationManager() {
    if (m_observingManager) {
        QOVLocationManager::sharedManager()->keyValueObservers().removeObserver(this);
        m_observingManager = false;
    }
}

void BookmarksViewController::updateFavoriteLocations() {
    updateLocationRegistrationsAtKey(kFavoriteLocationsKey, QOVLocationManager::sharedManager()->favoriteLocations());
}

void BookmarksViewController::updateHomeLocations() {
    updateLocationRegistrationsAtKey(kHomeLocationsKey, QOVLocationManager::sharedManager()->homeLocations());
}

void BookmarksViewController::updatePushLocations() {
    updateLocationRegistrationsAtKey(kPushLocationsKey, QOVLocationManager::sharedManager()->pushLocations());
}

BookmarksViewController::Locations* BookmarksViewController::listForKey(const std::string& key) {
    if (key == kFavoriteLocationsKey) {
        return &m_favoriteLocations;
    }
    if (key == kHomeLocationsKey) {
        return &m_homeLocations;
    }
    return key == kPushLocationsKey ? &m_pushLocations : nullptr;
}

void BookmarksViewController::updateLocationRegistrationsAtKey(const std::string& key, Locations locations) {
    Locations* list = listForKey(key);
    if (!list) {
        return;
    }
    // A place another list still shows keeps its registration (the cache has one per place and listener).
    const auto listedElsewhere = [this, list](const QOVLocationIdentity& place) {
        for (const Locations* other : {&m_favoriteLocations, &m_homeLocations, &m_pushLocations}) {
            if (other != list && std::any_of(other->begin(), other->end(), [&place](const auto& entry) {
                    return entry && entry->isEqualToLocation(place);
                })) {
                return true;
            }
        }
        return false;
    };
    Locations unlisted;
    for (const auto& entry : *list) {
        if (entry && !listedElsewhere(*entry)) {
            unlisted.push_back(entry);
        }
    }
    const auto cache = applicationCache();
    if (cache) {
        cache->stopListeningForLocations(arrayOf(unlisted), this);
    }
    *list = std::move(locations);
    if (cache) {
        // The cache answers at once from what it holds, which may replace entries of the list being walked.
        cache->startListeningForLocations(arrayOf(Locations(*list)),
                                          std::static_pointer_cast<ApplicationCacheLocationChangedDelegate>(self()));
    }
}

void BookmarksViewController::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        return;
    }
    for (Locations* list : {&m_favoriteLocations, &m_homeLocations, &m_pushLocations}) {
        for (auto& entry : *list) {
            if (entry && entry->isEqualToLocation(*location)) {
                entry = location;
            }
        }
    }
    if (m_bookmarksTableView) {
        m_bookmarksTableView->reloadData();
    }
}

void BookmarksViewController::deleteFavoriteAtIndexPath(const IndexPath& indexPath) {
    const auto favorite = entryAt(m_favoriteLocations, indexPath.row);
    if (!favorite) {
        return;
    }
    const auto manager = QOVLocationManager::sharedManager();
    manager->setNickname(std::string(), *favorite);
    manager->removeFavoriteLocation(favorite);
    if (manager->pushLocationsContainsLocation(*favorite)) {
        manager->removePushLocation(favorite);
    }
    if (manager->homeLocationsContainsLocation(*favorite)) {
        manager->removeHomeLocation(favorite);
    }
}

// --- Editing ---

void BookmarksViewController::editFavorites() {
    if (m_bookmarksTableView) {
        m_bookmarksTableView->setEditing(!m_bookmarksTableView->isEditing(), true);
    }
    toggleEditBarButtonItem();
}

void BookmarksViewController::toggleEditBarButtonItem() {
    const bool editing = m_bookmarksTableView && m_bookmarksTableView->isEditing();
    if (m_editBarButtonItem) {
        m_editBarButtonItem->setTitle(localized(editing ? "Done" : "Edit"));
    }
}

// --- Tables ---

int BookmarksViewController::tableViewNumberOfRowsInSection(TableView& tableView, int) {
    return static_cast<int>(isFavoritesTable(tableView) ? m_favoriteLocations.size() : m_searchResults.size());
}

std::shared_ptr<TableViewCell> BookmarksViewController::tableViewCellForRow(TableView& tableView,
                                                                            const IndexPath& indexPath) {
    if (isFavoritesTable(tableView)) {
        auto cell =
            std::dynamic_pointer_cast<FavoriteLocationView>(tableView.dequeueReusableCell(kFavoritesCellIdentifier));
        if (!cell) {
            cell = QOVTableViewCell::cellFromTableView<FavoriteLocationView>(tableView);
        }
        if (cell) {
            fillFavoriteCell(*cell, entryAt(m_favoriteLocations, indexPath.row));
        }
        return cell;
    }
    auto cell = tableView.dequeueReusableCell(kResultCellIdentifier);
    if (!cell) {
        cell = std::make_shared<TableViewCell>(TableViewCellStyle::Subtitle, kResultCellIdentifier);
    }
    LocationSearchResultsViewController::showPlaceInRow(*cell, entryAt(m_searchResults, indexPath.row).get());
    return cell;
}

void BookmarksViewController::fillFavoriteCell(FavoriteLocationView& cell,
                                               const std::shared_ptr<QOVLocationIdentity>& entry) {
    cell.setSelectionStyle(TableViewCellSelectionStyle::Gray);
    cell.setAccessoryType(TableViewCellAccessoryType::DetailDisclosureButton);
    cell.setLocId(entry);
    const QOVLocationIdentity* identity = entry.get();
    if (identity && typeid(*identity) != typeid(QOVLocation)) {
        // The weather has not arrived yet: a reused cell must not go on showing another favourite.
        const auto manager = QOVLocationManager::sharedManager();
        const auto& nickname = entry->userNickname();
        cell.m_displayName->setText(nickname && !nickname->empty() ? *nickname : locationDisplayName(*entry));
        cell.m_tempLabel->setText({});
        cell.m_wxIcon->setImage(Image::named(FavoriteLocationView::kNoConditionsImage));
        cell.enableHomeIndicator(manager->homeLocationsContainsLocation(*entry));
        cell.enablePushIndicator(manager->pushLocationsContainsLocation(*entry));
    }
    cell.setDataForLocation(entry);
}

std::optional<std::string> BookmarksViewController::tableViewTitleForHeaderInSection(TableView& tableView, int) {
    if (isFavoritesTable(tableView) || !m_searchBar) {
        return std::nullopt;
    }
    return "Search results for '" + m_searchBar->text() + "'";
}

std::optional<double> BookmarksViewController::tableViewHeightForRow(TableView& tableView, const IndexPath&) {
    return isFavoritesTable(tableView) ? kFavoriteRowHeight : kResultRowHeight;
}

void BookmarksViewController::tableViewDidSelectRow(TableView& tableView, const IndexPath& indexPath) {
    if (!isFavoritesTable(tableView)) {
        addFavoriteWithinLimit(entryAt(m_searchResults, indexPath.row), Source::SearchMatch);
        if (m_searchDisplayController) {
            m_searchDisplayController->setActive(false, true);
            m_searchDisplayController->searchResultsTableView()->reloadData();
        }
        return;
    }
    const auto favorite = entryAt(m_favoriteLocations, indexPath.row);
    if (tableView.isEditing()) {
        tableView.setEditing(false, true);
        toggleEditBarButtonItem();
    }
    if (favorite) {
        QOVLocationManager::sharedManager()->setCurrentLocation(favorite);
    }
    dismiss();
}

void BookmarksViewController::tableViewAccessoryButtonTapped(TableView& tableView, const IndexPath& indexPath) {
    const auto favorite = entryAt(m_favoriteLocations, indexPath.row);
    if (!isFavoritesTable(tableView) || !favorite) {
        return;
    }
    auto detail = QOVViewController::viewControllerFromNib<FavoritesDetailViewController>();
    detail->setCityName(locationCityAndState(*favorite));
    detail->setLocationIdentity(favorite);
    if (const auto navigation = navigationController()) {
        navigation->pushViewController(detail, true);
    }
    view()->endEditing();
    tableView.deselectRow(indexPath, true);
}

TableViewCellEditingStyle BookmarksViewController::tableViewEditingStyleForRow(TableView& tableView, const IndexPath&) {
    return isFavoritesTable(tableView) && !m_favoriteLocations.empty() ? TableViewCellEditingStyle::Delete
                                                                       : TableViewCellEditingStyle::None;
}

bool BookmarksViewController::tableViewShouldIndentWhileEditingRow(TableView& tableView, const IndexPath&) {
    return isFavoritesTable(tableView) && !m_favoriteLocations.empty();
}

void BookmarksViewController::tableViewCommitEditingStyle(TableView& tableView, TableViewCellEditingStyle style,
                                                          const IndexPath& indexPath) {
    if (isFavoritesTable(tableView) && style == TableViewCellEditingStyle::Delete) {
        deleteFavoriteAtIndexPath(indexPath);
    }
}

bool BookmarksViewController::tableViewCanMoveRow(TableView& tableView, const IndexPath&) {
    return isFavoritesTable(tableView);
}

void BookmarksViewController::tableViewMoveRow(TableView& tableView, const IndexPath& from, const IndexPath& to) {
    if (!isFavoritesTable(tableView) || from.row < 0 || to.row < 0) {
        return;
    }
    const auto source = static_cast<std::size_t>(from.row);
    const auto target = static_cast<std::size_t>(to.row);
    if (source >= m_favoriteLocations.size()) {
        return;
    }
    const auto entry = m_favoriteLocations[source];
    m_favoriteLocations.erase(m_favoriteLocations.begin() + from.row);
    m_favoriteLocations.insert(
        m_favoriteLocations.begin() + static_cast<std::ptrdiff_t>(std::min(target, m_favoriteLocations.size())), entry);
    if (target < m_favoriteLocations.size()) {
        QOVLocationManager::sharedManager()->moveFavoriteFromIndex(source, target);
    }
}

}  // namespace qov
