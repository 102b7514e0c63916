#pragma once

#include "app/ui/base/QOVWebViewController.h"

namespace qov {

// One help page from the application bundle, pushed from the help screen. Main thread only.
class HelpWebViewController : public QOVWebViewController {
public:
    static constexpr const char* kInterfaceFile = "HelpWebView";

    using QOVWebViewController::QOVWebViewController;

    // Loads the page (when set), then the base.
    void viewDidLoad() override;
};

}  // namespace qov
