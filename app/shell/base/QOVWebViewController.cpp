#include "app/shell/base/QOVWebViewController.h"

namespace qov {

void QOVWebViewController::viewDidLoad() {
    view()->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth | platform::ui::kAutoresizingFlexibleHeight);
    ViewController::viewDidLoad();
}

}  // namespace qov
