#include "app/shell/locations/BookmarksNavigationController.h"

#include "app/shell/locations/BookmarksViewController.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/ui/ClassRegistry.h"

namespace qov {

BookmarksNavigationController::BookmarksNavigationController()
    : NavigationController(QOVViewController::viewControllerFromNib<BookmarksViewController>()) {}

void BookmarksNavigationController::loadView() {
    NavigationController::loadView();
    navigationBar()->setTintColor(QOVThemeService::navBarColor());
}

void BookmarksNavigationController::registerClass() {
    platform::ui::ClassRegistry::registerClass<BookmarksNavigationController>("BookmarksNavigationController");
}

}  // namespace qov
