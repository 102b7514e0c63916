#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/shell/locations/LocationSearchBarDelegate.h"
#include "app/shell/locations/LocationSearchResultsModalViewControllerDelegate.h"
#include "app/shell/locations/LocationSearchResultsViewController.h"
#include "app/ui/base/QOVView.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/Value.h"
#include "platform/ui/AlertViewDelegate.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SearchBarDelegate.h"

namespace qov {

class QOVMasterViewController;

// The strip under the ad slot of the root screen: the current location's name in a search field, type-ahead
// search of place names in a drop-down list, a postal-code look-up on the Search key, a "find me" button (GPS)
// and a favourites button. A chosen place becomes the current location and the user is offered to save it as a
// favourite (at most kMaximumFavorites). The delegate (not retained; the root controller) hears of the buttons.
//
// Answers of the application cache reach the bar through weak references, so a bar that is gone gets none.
// A type-ahead answer counts only for the latest text typed during the edit still under way; an answer to an
// older text, or arriving after Cancel or a choice, is dropped. The bar follows the current location from
// awakeFromNib until it is destroyed, when it stops listening and removes its notification observers.
// Main thread only.
class LocationSearchBar : public QOVView,
                          public platform::ui::SearchBarDelegate,
                          public ApplicationCacheLocationChangedDelegate,
                          public LocationSearchResultsViewControllerDelegate,
                          public LocationSearchResultsModalViewControllerDelegate,
                          public platform::ui::AlertViewDelegate {
public:
    using Locations = LocationSearchResultsViewController::Results;

    static constexpr const char* kInterfaceFileName = "LocationSearchBar";
    static constexpr unsigned kMaximumTypeAheadResults = 10;
    static constexpr std::size_t kMaximumFavorites = 10;
    static constexpr int kSaveFavoriteAlertTag = 0;
    static constexpr int kFavoritesFullAlertTag = 1;

    static void registerInterfaceFile();

    using QOVView::QOVView;
    ~LocationSearchBar() override;

    // Outlets.
    std::shared_ptr<platform::ui::NavigationBar> m_locNavBar;
    std::shared_ptr<platform::ui::View> m_locCommandView;
    std::shared_ptr<platform::ui::SearchBar> m_locSearchBar;
    std::shared_ptr<platform::ui::Button> m_findMeButton;
    std::shared_ptr<platform::ui::Button> m_favoritesButton;

    void awakeFromNib() override;

    std::shared_ptr<LocationSearchBarDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<LocationSearchBarDelegate> delegate) { m_delegate = std::move(delegate); }
    // The root controller (not retained), which hosts the drop-down list and shows messages.
    void setMasterViewController(const std::shared_ptr<QOVMasterViewController>& master);

    std::string text() const override;
    // From code: starts no type-ahead search.
    void setText(const std::string& text);
    void clear();
    // The text Cancel or a choice puts back into the field.
    const std::string& searchText() const { return m_searchText; }
    // The matches shown; empty while the list is closed.
    const Locations& locations() const { return m_locations; }
    const std::shared_ptr<LocationSearchResultsViewController>& searchResultsController() const {
        return m_searchResultsController;
    }
    double keyboardHeight() const { return m_keyboardHeight; }

    // Buttons.
    void findMeButtonPressed();
    void favoritesButtonPressed();

    // SearchBarDelegate
    void searchBarTextDidBeginEditing(platform::ui::SearchBar& searchBar) override;
    void searchBarTextDidChange(platform::ui::SearchBar& searchBar, const std::string& text) override;
    void searchBarSearchButtonClicked(platform::ui::SearchBar& searchBar) override;
    void searchBarCancelButtonClicked(platform::ui::SearchBar& searchBar) override;

    void restoreState();
    void removeLocationSearchResults();
    void displayLocationSearchResults(const Locations& locations);
    void handleLocationSelected(const std::shared_ptr<QOVLocationIdentity>& location);
    void promptUserToSaveLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void showFavoriteFullAlert();
    void setCurrentLocation(const std::shared_ptr<QOVLocationIdentity>& location);

    // Answers of the application cache.
    void typeAheadDidUpdateWithLocations(const Locations& locations);
    void zipSearchDidUpdateWithLocation(const std::shared_ptr<QOVLocationIdentity>& location);

    // ApplicationCacheLocationChangedDelegate: while the field is being edited only the text to restore changes.
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;
    // LocationSearchResultsViewControllerDelegate
    void searchResultsDidSelectLocation(LocationSearchResultsViewController& controller,
                                        const std::shared_ptr<QOVLocationIdentity>& location) override;
    void searchResultsShouldCancel(LocationSearchResultsViewController& controller) override;
    // LocationSearchResultsModalViewControllerDelegate: the root controller dismisses the list, then a result is
    // handled as a choice from the drop-down list.
    void controllerReturnedSelectedLocation(LocationSearchResultsModalViewController& controller,
                                            const std::shared_ptr<QOVLocationIdentity>& location) override;
    // AlertViewDelegate: "Yes" on the save prompt saves the place that was prompted.
    void alertViewClickedButtonAtIndex(platform::ui::AlertView& alertView, int index) override;

private:
    void keyboardDidShow(const platform::Notification& notification);
    void typeAheadAnswered(std::uint64_t request, const platform::Value& answer);
    std::string shownPageName() const;

    std::string m_searchText;
    std::weak_ptr<LocationSearchBarDelegate> m_delegate;
    std::weak_ptr<QOVMasterViewController> m_masterViewController;
    Locations m_locations;
    std::shared_ptr<LocationSearchResultsViewController> m_searchResultsController;
    std::shared_ptr<QOVLocationIdentity> m_promptedLocation;
    std::uint64_t m_typeAheadRequest = 0;
    bool m_allowTypeAhead = false;
    bool m_searchCancelled = false;
    bool m_searchLocationWasSelected = false;
    double m_keyboardHeight = 0.0;
};

}  // namespace qov
