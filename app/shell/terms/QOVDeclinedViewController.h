#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Button.h"

namespace qov {

// Shown over the terms screen when the user declines: the application cannot be used without the terms; its one
// button dismisses it back to the terms.
class QOVDeclinedViewController : public QOVViewController {
public:
    using QOVViewController::QOVViewController;

    // Outlet: the button that sends dismiss().
    std::shared_ptr<platform::ui::Button> m_dismissButton;

    void viewDidLoad() override;
    std::optional<std::string> pageName() const override { return "Terms declined page"; }
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;

    void dismiss();
};

}  // namespace qov
