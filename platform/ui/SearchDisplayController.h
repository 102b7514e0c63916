#pragma once

#include <memory>

#include "platform/ui/Geometry.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SearchDisplayDelegate.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ViewController.h"

namespace platform::ui {

// Runs a search over a screen: while active, the search bar spans the screen's view and shows Cancel, a dimmed
// cover lies over the screen below the bar (a tap on it ends the search), and once text is typed the results
// table covers the screen below the bar down to the keyboard. The bar becoming first responder starts the
// search; its Cancel ends it, clearing the text and ending editing. The results table's data source and
// delegate are the caller's (not retained), as are the delegate and the screen; the bar is retained.
// Main thread only.
class SearchDisplayController : public std::enable_shared_from_this<SearchDisplayController> {
public:
    // Attaches the controller to the bar.
    static std::shared_ptr<SearchDisplayController> create(std::shared_ptr<SearchBar> searchBar,
                                                           const std::shared_ptr<ViewController>& contentsController);

    const std::shared_ptr<SearchBar>& searchBar() const { return m_searchBar; }
    std::shared_ptr<ViewController> searchContentsController() const { return m_contentsController.lock(); }
    const std::shared_ptr<TableView>& searchResultsTableView() const { return m_resultsTable; }
    // The cover shown while the search is active (with the results table in front of it once text is typed).
    const std::shared_ptr<View>& dimmingView() const { return m_dimmingView; }

    std::shared_ptr<SearchDisplayDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<SearchDisplayDelegate> delegate) { m_delegate = std::move(delegate); }
    void setSearchResultsDataSource(std::weak_ptr<TableViewDataSource> dataSource);
    void setSearchResultsDelegate(std::weak_ptr<TableViewDelegate> delegate);

    bool isActive() const { return m_active; }
    // Starting shows the cover and makes the bar first responder; ending clears the text, ends editing and takes
    // the cover and the results away. Setting the state it has does nothing.
    void setActive(bool active, bool animated);

    // The bar's text changed: the results table reloads (when the delegate agrees) and shows while there is text.
    void searchTextDidChange();

    SearchDisplayController(std::shared_ptr<SearchBar> searchBar, const std::shared_ptr<ViewController>& contents);

private:
    // The area below the bar in the screen's view, down to the keyboard's top when it is up.
    Rect areaBelowBar(bool aboveKeyboard) const;

    std::shared_ptr<SearchBar> m_searchBar;
    std::weak_ptr<ViewController> m_contentsController;
    std::weak_ptr<SearchDisplayDelegate> m_delegate;
    std::shared_ptr<TableView> m_resultsTable;
    std::shared_ptr<View> m_dimmingView;
    Rect m_barFrame;
    bool m_active = false;
};

}  // namespace platform::ui
