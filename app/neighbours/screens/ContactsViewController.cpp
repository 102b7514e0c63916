#include "app/neighbours/screens/ContactsViewController.h"

#include "app/neighbours/screens/ModalScreenButton.h"
#include "platform/base/Callback.h"

namespace qov {

ContactsViewController::ContactsViewController(std::string nibName) : NeighbourScreen(std::move(nibName), "Contacts") {
    setTitle("Contacts");
}

void ContactsViewController::viewDidLoad() {
    NeighbourScreen::viewDidLoad();
    addModalScreenButton(
        *view(), "Done",
        platform::bindWeak(std::static_pointer_cast<ContactsViewController>(shared_from_this()),
                           [](ContactsViewController& screen) { screen.dismissModalViewControllerAnimated(true); }));
}

}  // namespace qov
