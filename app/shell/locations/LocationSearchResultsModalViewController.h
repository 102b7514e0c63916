#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/shell/locations/LocationSearchResultsModalViewControllerDelegate.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace qov {

// The full-screen list of search results: a title over a table with one row per result (its display name). An
// empty list shows one row instead, the count of results ("0 results", centred). A tap returns the row's result
// to the delegate (not retained), nullptr for a row past the results; the delegate decides what follows (the
// location bar dismisses the list). Nothing in the application presents it; the runner's `present` does.
// Main thread only.
class LocationSearchResultsModalViewController : public QOVViewController,
                                                 public platform::ui::TableViewDataSource,
                                                 public platform::ui::TableViewDelegate {
public:
    using Results = std::vector<std::shared_ptr<QOVLocationIdentity>>;
    static constexpr const char* kClassName = "LocationSearchResultsModalViewController";
    static constexpr const char* kCellIdentifier = "search-results-tableview-cell";

    static void registerInterfaceFile();

    using QOVViewController::QOVViewController;

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_titleLabel;
    std::shared_ptr<platform::ui::TableView> m_tableView;

    std::optional<std::string> pageName() const override { return "Location search results page"; }
    void viewDidLoad() override;

    const Results& searchResults() const { return m_searchResults; }
    // Reloads the table when the view is loaded.
    void setSearchResults(Results results);
    std::shared_ptr<LocationSearchResultsModalViewControllerDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<LocationSearchResultsModalViewControllerDelegate> delegate) {
        m_delegate = std::move(delegate);
    }

    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    const std::shared_ptr<QOVLocationIdentity>* resultAt(int row) const;

    Results m_searchResults;
    std::weak_ptr<LocationSearchResultsModalViewControllerDelegate> m_delegate;
};

}  // namespace qov
