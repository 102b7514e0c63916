#pragma once

#include <memory>

namespace qov {

class LocationSearchResultsViewController;
class QOVLocationIdentity;

// Told of the choice in the drop-down list of matches; both operations are optional.
class LocationSearchResultsViewControllerDelegate {
public:
    virtual ~LocationSearchResultsViewControllerDelegate() = default;

    virtual void searchResultsDidSelectLocation(LocationSearchResultsViewController&,
                                                const std::shared_ptr<QOVLocationIdentity>& /*location*/) {}
    virtual void searchResultsShouldCancel(LocationSearchResultsViewController&) {}
};

}  // namespace qov
