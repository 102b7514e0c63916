#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/shell/conditions/QOVHTableViewController.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/base/Value.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"
#include "platform/ui/TapGestureRecognizer.h"

namespace qov {

class QOVLocationIdentity;
class QOVLocationManager;

// A strip of pages across the screen, one per location: the current location first, then the favourites in
// the user's order, each with its name, temperature and icon. Swiping to a page makes its location current; a
// double tap goes back to the first page; a two-finger tap opens the favourites. Only an interface file places
// the bar (the class is made by name; its view comes from "CurrentConditionsBarController").
//
// The bar listens to the application cache for the current location and the favourites, and observes the
// location manager's favourites; both end when its view unloads and when it goes. Main thread only (cache
// notices and the manager's change notices arrive there).
class CurrentConditionsBarController : public QOVViewController,
                                       public ApplicationCacheLocationChangedDelegate,
                                       public platform::ui::TableViewDataSource,
                                       public platform::ui::TableViewDelegate {
public:
    static constexpr const char* kInterfaceFile = "CurrentConditionsBarController";
    static constexpr double kPageWidth = 320.0;

    explicit CurrentConditionsBarController(const std::string& nibName = kInterfaceFile);
    ~CurrentConditionsBarController() override;

    // The bar's interface file and the cell's, and the bar by class name ("CurrentConditionsBarController": an
    // interface file that names the class makes it).
    static void registerInterfaceFiles();

    std::optional<std::string> pageName() const override { return std::nullopt; }
    void viewDidLoad() override;
    void viewDidUnload() override;

    // Lists the current location and the favourites afresh, reloads and listens for their weather.
    void populateConditionBars();
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;
    // The favourites changed: stops listening for the old ones, then populates again.
    void favoriteLocationsChanged(const platform::Value& oldFavorites);
    void handleTapGesture(platform::ui::TapGestureRecognizer& recognizer);

    int numberOfSectionsInTableView(platform::ui::TableView&) override { return 1; }
    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<double> tableViewHeightForRow(platform::ui::TableView&, const platform::ui::IndexPath&) override {
        return kPageWidth;
    }
    void scrollViewDidEndDecelerating(platform::ui::ScrollView& scrollView) override;

    const std::vector<std::shared_ptr<QOVLocationIdentity>>& locations() const { return m_locations; }
    const std::shared_ptr<QOVHTableViewController>& barTable() const { return m_barTable; }

    // Outlets of the interface file (the bar's logic does not use them).
    std::shared_ptr<platform::ui::ScrollView> m_scrollView;
    std::shared_ptr<platform::ui::ImageView> m_leftImageView;
    std::shared_ptr<platform::ui::ImageView> m_rightImageView;

private:
    void stopObserving();

    std::vector<std::shared_ptr<QOVLocationIdentity>> m_locations;
    std::shared_ptr<QOVHTableViewController> m_barTable;
    std::weak_ptr<QOVLocationManager> m_observedManager;
};

}  // namespace qov
