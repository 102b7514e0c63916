#pragma once

#include "app/ui/base/QOVWebViewController.h"

namespace qov {

// One legal document, opened from the terms screen.
class TermsWebViewController : public QOVWebViewController {
public:
    static constexpr const char* kInterfaceFile = "TermsWebView-iPhone";

    using QOVWebViewController::QOVWebViewController;

    // Loads the page (when set), then the base.
    void viewDidLoad() override;
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;
};

}  // namespace qov
