#include "app/shell/locations/LocationInterfaceFiles.h"

#include "app/shell/locations/BookmarksNavigationController.h"
#include "app/shell/locations/BookmarksViewController.h"
#include "app/shell/locations/FavoriteLocationView.h"
#include "app/shell/locations/FavoritesDetailViewController.h"
#include "app/shell/locations/FavoritesViewController.h"
#include "app/shell/locations/LocationSearchBar.h"
#include "app/shell/locations/LocationSearchResultsModalViewController.h"
#include "app/shell/locations/LocationSearchResultsViewController.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/base/Callback.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"

namespace qov {

namespace {

using namespace platform::ui;

constexpr double kButtonWidth = 56.0;

std::shared_ptr<Button> commandButton(InterfaceContext& file, const std::shared_ptr<LocationSearchBar>& bar,
                                      const std::string& title, double x, void (LocationSearchBar::*action)()) {
    auto button = file.make<Button>(ButtonType::Custom, Rect(x, 0.0, kButtonWidth, SearchBar::kHeight));
    button->setTitle(title);
    button->setTitleColor(platform::gfx::Color::white());
    button->titleLabel()->setFont(platform::gfx::Font::boldSystemFont(10.0));
    button->addAction(kControlEventTouchUpInside,
                      platform::bindWeak(bar, [action](LocationSearchBar& target, Control&) { (target.*action)(); }));
    return button;
}

void registerLocationSearchBar() {
    InterfaceFile::registerBuilder(LocationSearchBar::kInterfaceFileName, [](InterfaceContext& file) {
        const double width = Screen::bounds().width();
        const double height = SearchBar::kHeight;
        auto bar = file.makeTopLevel<LocationSearchBar>(Rect(0.0, 0.0, width, height));
        bar->m_locNavBar = file.make<NavigationBar>(Rect(0.0, 0.0, width, height));
        bar->m_locSearchBar = file.make<SearchBar>(Rect(0.0, 0.0, width - 2.0 * kButtonWidth, height));
        bar->m_locSearchBar->setPlaceholder("City or ZIP code");
        bar->m_locCommandView = file.make<View>(Rect(width - 2.0 * kButtonWidth, 0.0, 2.0 * kButtonWidth, height));
        bar->m_findMeButton = commandButton(file, bar, "Find Me", 0.0, &LocationSearchBar::findMeButtonPressed);
        bar->m_favoritesButton =
            commandButton(file, bar, "Favorites", kButtonWidth, &LocationSearchBar::favoritesButtonPressed);
        bar->m_locCommandView->addSubview(bar->m_findMeButton);
        bar->m_locCommandView->addSubview(bar->m_favoritesButton);
        bar->addSubview(bar->m_locNavBar);
        bar->addSubview(bar->m_locSearchBar);
        bar->addSubview(bar->m_locCommandView);
    });
}

}  // namespace

void registerLocationInterfaceFiles() {
    registerLocationSearchBar();
    LocationSearchResultsViewController::registerInterfaceFile();
    LocationSearchResultsModalViewController::registerInterfaceFile();
    FavoriteLocationView::registerInterfaceFile();
    FavoritesDetailViewController::registerInterfaceFile();
    FavoritesViewController::registerInterfaceFile();
    BookmarksViewController::registerInterfaceFile();
    BookmarksNavigationController::registerClass();
    QOVViewController::registerClassFromNib<LocationSearchResultsModalViewController>(
        LocationSearchResultsModalViewController::kClassName);
}

}  // namespace qov
