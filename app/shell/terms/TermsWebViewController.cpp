#include "app/shell/terms/TermsWebViewController.h"

namespace qov {

void TermsWebViewController::viewDidLoad() {
    if (!pageURL().empty() && m_webView) {
        m_webView->loadRequest(pageURL());
    }
    QOVWebViewController::viewDidLoad();
}

bool TermsWebViewController::shouldAutorotateToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation) const {
    return orientation == platform::ui::DeviceOrientation::Portrait;
}

}  // namespace qov
