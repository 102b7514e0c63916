#include "app/neighbours/screens/ComposeTweetViewController.h"

#include "app/neighbours/screens/ModalScreenButton.h"
#include "platform/base/Callback.h"

namespace qov {

ComposeTweetViewController::ComposeTweetViewController(std::string nibName)
    : NeighbourScreen(std::move(nibName), "Compose Tweet") {
    setTitle("Post a Tweet");
}

void ComposeTweetViewController::viewDidLoad() {
    NeighbourScreen::viewDidLoad();
    addModalScreenButton(*view(), "Cancel",
                         platform::bindWeak(std::static_pointer_cast<ComposeTweetViewController>(shared_from_this()),
                                            &ComposeTweetViewController::cancelButtonPressed));
}

void ComposeTweetViewController::cancelButtonPressed() {
    if (const auto delegate = composeTweetDelegate()) {
        delegate->cancelTweetComposition();
    }
}

}  // namespace qov
