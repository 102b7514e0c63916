#pragma once

#include <memory>

namespace qov {

class LocationSearchResultsModalViewController;
class QOVLocationIdentity;

// Told of the row chosen in the full-screen list of search results: the result of that row, or nullptr for the
// row past the results (the one that counts them).
class LocationSearchResultsModalViewControllerDelegate {
public:
    virtual ~LocationSearchResultsModalViewControllerDelegate() = default;

    virtual void controllerReturnedSelectedLocation(LocationSearchResultsModalViewController& controller,
                                                    const std::shared_ptr<QOVLocationIdentity>& location) = 0;
};

}  // namespace qov
