#pragma once

#include "app/neighbours/screens/NeighbourScreen.h"

namespace qov {

// The contact list, shown modally by the root controller; its Done button dismisses it.
class ContactsViewController : public NeighbourScreen {
public:
    static constexpr const char* kNibName = "ContactsViewController";

    explicit ContactsViewController(std::string nibName = kNibName);

    void viewDidLoad() override;
};

}  // namespace qov
