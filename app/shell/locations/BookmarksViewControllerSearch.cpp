// The bookmarks screen's adding: search matches, postal codes and the GPS position.
#include "app/shell/locations/BookmarksViewController.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/shell/locations/LocationAnswers.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/ui/AlertView.h"

QOV_LOG_LEVEL(15)

namespace qov {

using namespace platform::ui;

namespace {

std::shared_ptr<ApplicationCache> applicationCache() { return ApplicationCacheFactory::sharedInstance().cache(); }

}  // namespace

// --- Adding ---

void BookmarksViewController::addFavoriteWithinLimit(const std::shared_ptr<QOVLocationIdentity>& location,
                                                     Source source) {
    if (!location) {
        return;
    }
    const auto manager = QOVLocationManager::sharedManager();
    if (manager->favoriteLocations().size() > kMaximumFavorites - 1) {
        showAlert(localized("You currently have 10 favorite locations saved. Please delete one before adding this "
                            "location."),
                  localized("Cancel"));
    } else if (manager->favoritesContainsLocation(*location)) {
        showAlert(localized(source == Source::GPS ? "You already have the current location in the favorite list."
                                                  : "You already have this location in the favorite list."),
                  localized("OK"));
    } else {
        manager->addFavoriteLocation(location);
    }
}

void BookmarksViewController::showAlert(const std::string& message, const std::string& button) {
    std::make_shared<AlertView>(localized("Favorites"), message, std::weak_ptr<AlertViewDelegate>(), button)->show();
}

void BookmarksViewController::findMeButtonPressed() {
    if (!m_observingGPS) {
        m_observingGPS = true;
        auto& center = platform::NotificationCenter::defaultCenter();
        center.addObserver(
            &m_gpsObserver, QOVLocationManager::kUpdateSucceededCurrentLocationWithGPSNotification,
            platform::bindWeak(self(), [](BookmarksViewController& screen, const platform::Notification&) {
                screen.locationChangedFromGPS();
            }));
        center.addObserver(
            &m_gpsObserver, QOVLocationManager::kUpdateFailedCurrentLocationWithGPSNotification,
            platform::bindWeak(self(), [](BookmarksViewController& screen, const platform::Notification&) {
                screen.stopObservingGPS();
            }));
    }
    QOVLocationManager::sharedManager()->updateCurrentLocationWithGPS();
}

void BookmarksViewController::stopObservingGPS() {
    platform::NotificationCenter::defaultCenter().removeObserver(&m_gpsObserver);
    m_observingGPS = false;
}

void BookmarksViewController::locationChangedFromGPS() {
    stopObservingGPS();
    const auto manager = QOVLocationManager::sharedManager();
    const auto current = manager->currentLocation();
    QOV_LOG_DEBUG("current location before using GPS: {}", current->key().value_or(""));
    addFavoriteWithinLimit(current, Source::GPS);
}

// --- Search ---

void BookmarksViewController::searchBarTextDidChange(SearchBar&, const std::string& text) {
    const std::uint64_t request = ++m_typeAheadRequest;
    if (const auto cache = applicationCache()) {
        cache->getTypeAheadWithSearchString(
            text, kMaximumTypeAheadResults,
            platform::bindWeak(self(), [request](BookmarksViewController& screen, const platform::Value& answer) {
                screen.typeAheadAnswered(request, answer);
            }));
    }
}

void BookmarksViewController::typeAheadAnswered(std::uint64_t request, const platform::Value& answer) {
    if (request == m_typeAheadRequest && m_searchDisplayController && m_searchDisplayController->isActive()) {
        typeAheadDidUpdateWithLocations(locationsOfAnswer(answer));
    }
}

void BookmarksViewController::typeAheadDidUpdateWithLocations(const Locations& locations) {
    m_searchResults = locations;
    if (m_searchDisplayController) {
        m_searchDisplayController->searchResultsTableView()->reloadData();
    }
}

void BookmarksViewController::searchBarSearchButtonClicked(SearchBar& searchBar) {
    if (!m_searchResults.empty()) {
        return;
    }
    if (const auto cache = applicationCache()) {
        cache->getLocationForZip(searchBar.text(), platform::bindWeak(self(), [](BookmarksViewController& screen,
                                                                                 const platform::Value& answer) {
                                     screen.zipSearchDidUpdateWithLocation(answer.object<QOVLocationIdentity>());
                                 }));
    }
}

void BookmarksViewController::zipSearchDidUpdateWithLocation(const std::shared_ptr<QOVLocationIdentity>& location) {
    if (!location) {
        if (const auto master = rootController()) {
            master->displayErrorMessage(noLocationFoundMessage());
        }
        return;
    }
    QOVLocationManager::sharedManager()->addFavoriteLocation(location);
    if (m_searchDisplayController) {
        m_searchDisplayController->setActive(false, true);
    }
}

void BookmarksViewController::searchDisplayControllerWillBeginSearch(SearchDisplayController&) {
    if (m_findMeButton) {
        m_findMeButton->setHidden(true);
    }
    if (m_searchBar) {
        m_searchBar->setTintColor(platform::gfx::Color::lightGray());
    }
}

void BookmarksViewController::searchDisplayControllerDidEndSearch(SearchDisplayController&) {
    ++m_typeAheadRequest;  // a late answer to this search is dropped
    m_searchResults.clear();
    if (m_searchBar) {
        m_searchBar->setFrame(kSearchBarFrame);
    }
    if (m_findMeButton) {
        m_findMeButton->setHidden(false);
    }
}

}  // namespace qov
