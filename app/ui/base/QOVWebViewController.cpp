#include "app/ui/base/QOVWebViewController.h"

namespace qov {

void QOVWebViewController::viewDidLoad() {
    view()->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth | platform::ui::kAutoresizingFlexibleHeight);
    ViewController::viewDidLoad();
}

void QOVWebViewController::loadPageURL() {
    if (!m_pageURL.empty() && m_webView) {
        m_webView->loadRequest(m_pageURL);
    }
}

}  // namespace qov
