#include "app/shell/locations/LocationSearchBar.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/shell/locations/LocationAnswers.h"
#include "app/shell/locations/LocationDisplayName.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Keyboard.h"

namespace qov {

using namespace platform::ui;

namespace {

std::shared_ptr<ApplicationCache> applicationCache() { return ApplicationCacheFactory::sharedInstance().cache(); }

}  // namespace

LocationSearchBar::~LocationSearchBar() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    if (const auto cache = applicationCache()) {
        cache->stopListeningForCurrentLocationWithDelegate(this);
    }
}

void LocationSearchBar::awakeFromNib() {
    QOVView::awakeFromNib();
    const auto self = std::static_pointer_cast<LocationSearchBar>(shared_from_this());
    m_searchResultsController = QOVViewController::viewControllerFromNib<LocationSearchResultsViewController>();
    m_searchResultsController->setDelegate(std::static_pointer_cast<LocationSearchResultsViewControllerDelegate>(self));
    m_allowTypeAhead = true;
    if (const auto cache = applicationCache()) {
        cache->startListeningForCurrentLocationWithDelegate(
            std::static_pointer_cast<ApplicationCacheLocationChangedDelegate>(self));
    }
    if (m_locNavBar) {
        m_locNavBar->setTintColor(QOVThemeService::navBarColor());
    }
    if (m_locSearchBar) {
        m_locSearchBar->setTintColor(QOVThemeService::navBarColor());
        m_locSearchBar->setDelegate(std::static_pointer_cast<SearchBarDelegate>(self));
    }
    platform::NotificationCenter::defaultCenter().addObserver(
        this, Keyboard::kDidShowNotification,
        platform::bindWeak(self, [](LocationSearchBar& bar, const platform::Notification& notification) {
            bar.keyboardDidShow(notification);
        }));
    m_keyboardHeight = 0.0;
}

void LocationSearchBar::setMasterViewController(const std::shared_ptr<QOVMasterViewController>& master) {
    m_masterViewController = master;
    m_searchResultsController->setMasterViewController(master);
}

std::string LocationSearchBar::text() const { return m_locSearchBar ? m_locSearchBar->text() : std::string(); }

void LocationSearchBar::setText(const std::string& text) {
    m_allowTypeAhead = false;
    if (m_locSearchBar) {
        m_locSearchBar->setText(text);
    }
    m_allowTypeAhead = true;
}

void LocationSearchBar::clear() { setText({}); }

void LocationSearchBar::keyboardDidShow(const platform::Notification& notification) {
    m_keyboardHeight = Keyboard::endFrame(notification).height();
}

// --- Editing ---

void LocationSearchBar::searchBarTextDidBeginEditing(SearchBar& searchBar) {
    searchBar.setShowsCancelButton(true, true);
    m_searchText = searchBar.text();
    searchBar.setText({});
    m_searchCancelled = false;
    m_searchLocationWasSelected = false;
}

void LocationSearchBar::searchBarTextDidChange(SearchBar&, const std::string& text) {
    if (!m_allowTypeAhead) {
        return;
    }
    const std::uint64_t request = ++m_typeAheadRequest;
    if (const auto cache = applicationCache()) {
        cache->getTypeAheadWithSearchString(
            text, kMaximumTypeAheadResults,
            platform::bindWeak(std::static_pointer_cast<LocationSearchBar>(shared_from_this()),
                               [request](LocationSearchBar& bar, const platform::Value& answer) {
                                   bar.typeAheadAnswered(request, answer);
                               }));
    }
}

void LocationSearchBar::typeAheadAnswered(std::uint64_t request, const platform::Value& answer) {
    const bool editing = m_locSearchBar && m_locSearchBar->isEditing();
    if (request != m_typeAheadRequest || !editing || m_searchCancelled || m_searchLocationWasSelected) {
        return;
    }
    typeAheadDidUpdateWithLocations(locationsOfAnswer(answer));
}

void LocationSearchBar::typeAheadDidUpdateWithLocations(const Locations& locations) {
    m_locations = locations;
    if (m_locations.empty()) {
        removeLocationSearchResults();
    } else {
        displayLocationSearchResults(m_locations);
    }
}

void LocationSearchBar::displayLocationSearchResults(const Locations& locations) {
    m_searchResultsController->setResults(locations);
    const auto master = m_masterViewController.lock();
    if (!master || !master->m_contentView) {
        return;
    }
    const auto listView = m_searchResultsController->view();
    Rect frame = master->m_contentView->frame();
    const double stripHeight = master->tabBar() ? master->tabBar()->bounds().height() : 0.0;
    frame.size.height = frame.height() - m_keyboardHeight + stripHeight;
    listView->setFrame(frame);
    if (listView->superview() != master->view()) {
        master->view()->addSubview(listView);
    }
}

void LocationSearchBar::searchBarSearchButtonClicked(SearchBar& searchBar) {
    if (!m_locations.empty() || m_searchCancelled || m_searchLocationWasSelected) {
        return;
    }
    if (const auto cache = applicationCache()) {
        cache->getLocationForZip(
            searchBar.text(),
            platform::bindWeak(std::static_pointer_cast<LocationSearchBar>(shared_from_this()),
                               [](LocationSearchBar& bar, const platform::Value& answer) {
                                   bar.zipSearchDidUpdateWithLocation(answer.object<QOVLocationIdentity>());
                               }));
    }
}

void LocationSearchBar::zipSearchDidUpdateWithLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    if (!location) {
        if (const auto master = m_masterViewController.lock()) {
            master->displayErrorMessage(noLocationFoundMessage());
        }
        return;
    }
    m_searchText = locationDisplayName(*location);
    restoreState();
    setCurrentLocation(location);
    promptUserToSaveLocation(location);
}

void LocationSearchBar::searchBarCancelButtonClicked(SearchBar&) {
    m_searchCancelled = true;
    restoreState();
}

void LocationSearchBar::restoreState() {
    m_allowTypeAhead = false;
    ++m_typeAheadRequest;
    if (m_locSearchBar) {
        m_locSearchBar->setText(m_searchText);
    }
    removeLocationSearchResults();
    if (const auto& table = m_searchResultsController->resultsTable()) {
        table->setContentOffset(Point{0.0, 0.0});
    }
    if (m_locSearchBar) {
        m_locSearchBar->resignFirstResponder();
        m_locSearchBar->setShowsCancelButton(false, true);
    }
    m_allowTypeAhead = true;
}

void LocationSearchBar::removeLocationSearchResults() {
    if (m_searchResultsController->isViewLoaded()) {
        m_searchResultsController->view()->removeFromSuperview();
    }
    m_locations.clear();
}

void LocationSearchBar::searchResultsDidSelectLocation(LocationSearchResultsViewController&,
                                                       const std::shared_ptr<QOVLocationIdentity>& location) {
    handleLocationSelected(location);
}

void LocationSearchBar::searchResultsShouldCancel(LocationSearchResultsViewController&) {
    removeLocationSearchResults();
}

void LocationSearchBar::controllerReturnedSelectedLocation(LocationSearchResultsModalViewController&,
                                                           const std::shared_ptr<QOVLocationIdentity>& location) {
    if (const auto master = m_masterViewController.lock()) {
        master->dismissModalViewControllerAnimated(true);
    }
    handleLocationSelected(location);
}

void LocationSearchBar::handleLocationSelected(const std::shared_ptr<QOVLocationIdentity>& location) {
    if (!location) {
        return;
    }
    m_searchLocationWasSelected = true;
    m_searchText = locationDisplayName(*location);
    restoreState();
    setCurrentLocation(location);
    promptUserToSaveLocation(location);
}

void LocationSearchBar::setCurrentLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    QOVLocationManager::sharedManager()->setCurrentLocation(location);
}

void LocationSearchBar::locationDataChanged(const std::shared_ptr<QOVLocation>& location) {
    if (!location) {
        return;
    }
    m_searchText = location->displayName();
    if (!m_locSearchBar || !m_locSearchBar->isEditing()) {
        setText(m_searchText);
    }
}

// --- Favourites ---

void LocationSearchBar::promptUserToSaveLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    const auto manager = QOVLocationManager::sharedManager();
    if (!location || manager->favoritesContainsLocation(*location)) {
        return;
    }
    if (manager->favoriteLocations().size() >= kMaximumFavorites) {
        showFavoriteFullAlert();
        return;
    }
    m_promptedLocation = location;
    auto alert =
        std::make_shared<AlertView>(locationDisplayName(*location), localized("Add this location to favorites?"),
                                    std::dynamic_pointer_cast<AlertViewDelegate>(shared_from_this()), std::nullopt,
                                    std::vector<std::string>{localized("Yes"), localized("No")});
    alert->setTag(kSaveFavoriteAlertTag);
    alert->show();
}

void LocationSearchBar::alertViewClickedButtonAtIndex(AlertView& alertView, int index) {
    if (alertView.tag() != kSaveFavoriteAlertTag || index != 0) {
        return;
    }
    const auto manager = QOVLocationManager::sharedManager();
    if (manager->favoriteLocations().size() < kMaximumFavorites) {
        manager->addFavoriteLocation(m_promptedLocation);
    } else {
        showFavoriteFullAlert();
    }
}

void LocationSearchBar::showFavoriteFullAlert() {
    auto alert = std::make_shared<AlertView>(
        localized("Favorites"),
        localized("You currently have 10 favorite locations saved. Please delete one before adding this location."),
        std::dynamic_pointer_cast<AlertViewDelegate>(shared_from_this()), localized("Cancel"));
    alert->setTag(kFavoritesFullAlertTag);
    alert->show();
}

// --- Buttons ---

std::string LocationSearchBar::shownPageName() const {
    const auto master = m_masterViewController.lock();
    const auto shown = master ? master->shownViewController() : nullptr;
    return shown ? shown->pageName().value_or("") : std::string();
}

void LocationSearchBar::findMeButtonPressed() {
    restoreState();
    QOVMetricsService::sharedInstance()->trackAction(shownPageName() + "_Find_Me");
    endEditing();
    if (const auto target = delegate()) {
        target->findMeButtonPressed(*this);
    }
    QOVLocationManager::sharedManager()->updateCurrentLocationWithGPS();
}

void LocationSearchBar::favoritesButtonPressed() {
    QOVMetricsService::sharedInstance()->trackAction(shownPageName() + "_Locations");
    endEditing();
    if (const auto target = delegate()) {
        target->favoritesButtonPressed(*this);
    }
    if (const auto master = m_masterViewController.lock()) {
        master->displayFavorites();
    }
}

}  // namespace qov
