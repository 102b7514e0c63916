#pragma once

#include <string>

namespace platform::ui {

class SearchDisplayController;

// Told when a search display controller starts and ends a search, and asked whether a new search text should
// reload the results table; every operation is optional.
class SearchDisplayDelegate {
public:
    virtual ~SearchDisplayDelegate() = default;
    virtual void searchDisplayControllerWillBeginSearch(SearchDisplayController&) {}
    virtual void searchDisplayControllerDidBeginSearch(SearchDisplayController&) {}
    virtual void searchDisplayControllerWillEndSearch(SearchDisplayController&) {}
    virtual void searchDisplayControllerDidEndSearch(SearchDisplayController&) {}
    virtual bool searchDisplayControllerShouldReloadTableForSearchString(SearchDisplayController&,
                                                                         const std::string& /*searchString*/) {
        return true;
    }
};

}  // namespace platform::ui
