#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/NavigationController.h"

namespace qov {

// The window's root controller until the terms are accepted: a navigation stack whose root is the terms screen,
// laid over this screen's view. Main thread only.
class TermsNavigationController : public QOVViewController {
public:
    using QOVViewController::QOVViewController;

    void viewDidLoad() override;
    // The navigation stack is a child screen: its appearance follows this screen's.
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    std::optional<std::string> pageName() const override { return "Terms and Conditions"; }
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;

    const std::shared_ptr<platform::ui::NavigationController>& navController() const { return m_navController; }

private:
    std::shared_ptr<platform::ui::NavigationController> m_navController;
};

}  // namespace qov
