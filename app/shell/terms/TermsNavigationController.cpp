#include "app/shell/terms/TermsNavigationController.h"

#include "app/shell/terms/TermsAndConditionsViewController.h"

namespace qov {

void TermsNavigationController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    auto terms = viewControllerFromNib<TermsAndConditionsViewController>();
    m_navController = std::make_shared<platform::ui::NavigationController>(terms);
    const auto navigationView = m_navController->view();
    navigationView->setFrame(view()->bounds());
    view()->addSubview(navigationView);
}

void TermsNavigationController::viewWillAppear(bool animated) {
    QOVViewController::viewWillAppear(animated);
    if (m_navController)
        m_navController->viewWillAppear(animated);
}

void TermsNavigationController::viewDidAppear(bool animated) {
    QOVViewController::viewDidAppear(animated);
    if (m_navController)
        m_navController->viewDidAppear(animated);
}

void TermsNavigationController::viewWillDisappear(bool animated) {
    if (m_navController)
        m_navController->viewWillDisappear(animated);
    QOVViewController::viewWillDisappear(animated);
}

void TermsNavigationController::viewDidDisappear(bool animated) {
    if (m_navController)
        m_navController->viewDidDisappear(animated);
    QOVViewController::viewDidDisappear(animated);
}

bool TermsNavigationController::shouldAutorotateToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation) const {
    return orientation == platform::ui::DeviceOrientation::Portrait;
}

}  // namespace qov
