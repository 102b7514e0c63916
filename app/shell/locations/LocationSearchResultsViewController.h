#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/shell/locations/LocationSearchResultsViewControllerDelegate.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"
#include "platform/ui/Toolbar.h"

namespace qov {

class QOVLocationIdentity;

// The drop-down list of type-ahead matches under the location bar's field: one row per match, showing its
// display name. A tap reports the match to the delegate (not retained); the list never closes itself, the
// location bar decides what a choice means. Main thread only.
class LocationSearchResultsViewController : public QOVViewController,
                                            public platform::ui::TableViewDataSource,
                                            public platform::ui::TableViewDelegate {
public:
    using Results = std::vector<std::shared_ptr<QOVLocationIdentity>>;
    static constexpr const char* kCellIdentifier = "ResultsCell";
    static constexpr double kRowFontSize = 16.0;
    // The smallest face a long name shrinks to.
    static constexpr double kMinimumRowFontSize = 12.0;

    static void registerInterfaceFile();

    using QOVViewController::QOVViewController;

    // Outlets.
    std::shared_ptr<platform::ui::TableView> m_resultsTable;
    std::shared_ptr<platform::ui::Toolbar> m_toolBar;

    std::optional<std::string> pageName() const override { return "Location Search Result"; }
    void viewDidLoad() override;
    // The base theme, then a white table.
    void applyTheme() override;

    const Results& results() const { return m_results; }
    // Reloads the table unless the list holds these very objects already.
    void setResults(Results results);
    const std::shared_ptr<platform::ui::TableView>& resultsTable() const { return m_resultsTable; }
    const std::shared_ptr<platform::ui::Toolbar>& toolBar() const { return m_toolBar; }
    std::shared_ptr<LocationSearchResultsViewControllerDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<LocationSearchResultsViewControllerDelegate> delegate) {
        m_delegate = std::move(delegate);
    }

    // Asks the delegate to close the list.
    void dismiss();
    // A found place's row, as every list of found places shows it: its display name (none without a place) in
    // black, whole, in the rows' bold face or, for a long name, a smaller or narrower one.
    static void showPlaceInRow(platform::ui::TableViewCell& cell, const QOVLocationIdentity* place);
    // Rows 0 ... count - 1 of section 0.
    static std::vector<platform::ui::IndexPath> buildIndexPathArrayWithCapacity(int count);

    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    void setupCell(platform::ui::TableViewCell& cell, const platform::ui::IndexPath& indexPath) const;

    Results m_results;
    std::weak_ptr<LocationSearchResultsViewControllerDelegate> m_delegate;
};

}  // namespace qov
