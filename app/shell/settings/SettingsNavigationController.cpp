#include "app/shell/settings/SettingsNavigationController.h"

#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/settings/SettingsViewController.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/NotificationCenter.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationBar.h"

namespace qov {

SettingsNavigationController::SettingsNavigationController(const std::string& nibName) : QOVViewController(nibName) {
    setTitle(platform::Bundle::main().localizedString("settings.tabbar.title", "settings.tabbar.title"));
    setSlidingTabBarItem(SlidingTabBarItem::create(
        "settings", title(), platform::ui::Image::named("tabbar-icon-settings.png"), 1, "Settings", "SETTINGS"));
}

void SettingsNavigationController::fitToContentView() {
    if (const auto master = masterViewController(); master && master->m_contentView) {
        view()->setFrame(master->m_contentView->bounds());
    }
    if (m_navController) {
        m_navController->view()->setFrame(view()->frame());
    }
}

void SettingsNavigationController::setHeight(double height) {
    view()->setFrame(platform::ui::Rect(0.0, 0.0, kWidth, height));
    if (m_navController) {
        m_navController->view()->setFrame(view()->frame());
    }
}

void SettingsNavigationController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    auto settings = viewControllerFromNib<SettingsViewController>();
    m_navController = std::make_shared<platform::ui::NavigationController>(settings);
    fitToContentView();
    if (const auto master = masterViewController<QOVViewController>()) {
        settings->setMasterViewController(master);
    }
    view()->addSubview(m_navController->view());
    // The theme ran in the base's viewDidLoad, before the stack existed: its bar takes the tint now.
    tintNavigationBar();
}

void SettingsNavigationController::viewDidUnload() {
    m_navController.reset();
    QOVViewController::viewDidUnload();
}

void SettingsNavigationController::viewWillAppear(bool animated) {
    QOVViewController::viewWillAppear(animated);
    fitToContentView();
    followAdSlot();
    if (m_navController) {
        m_navController->viewWillAppear(animated);
    }
}

void SettingsNavigationController::viewDidAppear(bool animated) {
    QOVViewController::viewDidAppear(animated);
    if (m_navController) {
        m_navController->viewDidAppear(animated);
    }
}

void SettingsNavigationController::viewWillDisappear(bool animated) {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    if (m_navController) {
        m_navController->viewWillDisappear(animated);
    }
    QOVViewController::viewWillDisappear(animated);
}

void SettingsNavigationController::viewDidDisappear(bool animated) {
    if (m_navController) {
        m_navController->viewDidDisappear(animated);
    }
    QOVViewController::viewDidDisappear(animated);
}

void SettingsNavigationController::adViewDidShow() { setHeight(kHeightWithAd); }
void SettingsNavigationController::adViewDidHide() { setHeight(kHeightWithoutAd); }

void SettingsNavigationController::viewControllerWillLoad() {
    QOVViewController::viewControllerWillLoad();
    if (const auto master = masterViewController()) {
        master->hideLocationBar(true);
        if (master->isAdViewHidden() && master->m_contentView) {
            view()->setFrame(master->m_contentView->bounds());
        }
    }
}

void SettingsNavigationController::viewControllerWillUnload() {
    QOVViewController::viewControllerWillUnload();
    if (const auto master = masterViewController()) {
        master->showLocationBar(false);
        master->showAdView(false);
    }
}

void SettingsNavigationController::applyTheme() {
    QOVViewController::applyTheme();
    tintNavigationBar();
}

void SettingsNavigationController::tintNavigationBar() {
    if (m_navController) {
        m_navController->navigationBar()->setTintColor(QOVThemeService::navBarColor());
    }
}

}  // namespace qov
