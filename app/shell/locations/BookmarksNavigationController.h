#pragma once

#include "platform/ui/NavigationController.h"

namespace qov {

// The navigation stack the root screen presents for the favourites: the bookmarks screen (made from its
// interface file) at the root, the favourite detail screens pushed over it. Made by class name
// ("BookmarksNavigationController"); main thread only.
class BookmarksNavigationController : public platform::ui::NavigationController {
public:
    BookmarksNavigationController();

    // The bar takes the theme's colour.
    void loadView() override;

    // Registers the class name with the class registry.
    static void registerClass();
};

}  // namespace qov
