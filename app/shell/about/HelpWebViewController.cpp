#include "app/shell/about/HelpWebViewController.h"

namespace qov {

void HelpWebViewController::viewDidLoad() {
    loadPageURL();
    QOVWebViewController::viewDidLoad();
}

}  // namespace qov
