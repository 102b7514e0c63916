#include "app/shell/root/RootScreenState.h"

#include <memory>

#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "app/shell/terms/TermsNavigationController.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/Window.h"

namespace qov {

namespace {

template <typename T>
std::shared_ptr<T> rootAs() {
    const auto delegate = QOVAppDelegate::currentAppDelegate();
    if (!delegate || !delegate->window()) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<T>(delegate->window()->rootViewController());
}

}  // namespace

bool RootScreenState::isSplashShown() { return rootAs<SplashScreenViewController>() != nullptr; }

bool RootScreenState::isTermsScreenShown() { return rootAs<TermsNavigationController>() != nullptr; }

bool RootScreenState::isRootScreenShown() { return rootAs<QOVMasterViewController>() != nullptr; }

std::string RootScreenState::shownTabName() {
    const auto master = rootAs<QOVMasterViewController>();
    if (!master || !master->shownViewController()) {
        return {};
    }
    const auto item = master->shownViewController()->slidingTabBarItem();
    return item ? item->itemName() : std::string();
}

bool RootScreenState::showTab(const std::string& nameOrTitle) {
    const auto master = rootAs<QOVMasterViewController>();
    if (!master || !master->tabBar()) {
        return false;
    }
    for (const auto& item : master->tabBar()->items()) {
        if (item->itemName() == nameOrTitle || item->title() == nameOrTitle) {
            // As a user would, swipe the strip until the item shows, then press it.
            if (const auto& strip = master->tabBar()->m_scrollView) {
                const auto shown = item->frame();
                const auto offset = strip->contentOffset();
                const double width = strip->bounds().width();
                if (shown.x() < offset.x) {
                    strip->drag({shown.x(), offset.y});
                } else if (shown.maxX() > offset.x + width) {
                    strip->drag({shown.maxX() - width, offset.y});
                }
            }
            master->tabBar()->setSelectedItem(item);
            return true;
        }
    }
    return false;
}

std::optional<std::string> RootScreenState::presentScreen(const std::string& className) {
    const auto master = rootAs<QOVMasterViewController>();
    if (!master) {
        return "the root screen is not shown";
    }
    if (master->modalViewController()) {
        return "the root screen presents " + master->modalViewController()->className() + " already";
    }
    const auto screen = platform::ui::ClassRegistry::isRegistered(className)
                            ? platform::ui::ClassRegistry::create<platform::ui::ViewController>(className)
                            : nullptr;
    if (!screen) {
        return "no screen class is named \"" + className + "\"";
    }
    if (const auto ownScreen = std::dynamic_pointer_cast<QOVViewController>(screen)) {
        ownScreen->setMasterViewController(master);
    }
    master->presentModalViewController(screen, false);
    return std::nullopt;
}

bool RootScreenState::dismissPresentedScreen() {
    const auto master = rootAs<QOVMasterViewController>();
    if (!master || !master->modalViewController()) {
        return false;
    }
    master->dismissModalViewControllerAnimated(false);
    return true;
}

}  // namespace qov
