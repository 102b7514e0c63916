#include "app/shell/terms/TermsWebViewController.h"

namespace qov {

void TermsWebViewController::viewDidLoad() {
    loadPageURL();
    QOVWebViewController::viewDidLoad();
}

bool TermsWebViewController::shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const {
    return orientation == platform::ui::DeviceOrientation::Portrait;
}

}  // namespace qov
