#pragma once

#include <optional>
#include <string>

namespace qov {

// What the application's window shows, as the runner and the tests ask it: the splash, the terms screen or the
// root screen, and the root screen's shown tab. Main thread only.
class RootScreenState {
public:
    static bool isSplashShown();
    static bool isTermsScreenShown();
    static bool isRootScreenShown();
    // The tab item name of the root screen's shown screen ("weather", "maps", ...); empty when none is shown.
    static std::string shownTabName();
    // Shows the root screen's tab with the item name (or the title) as a press on its item would, the strip first
    // swiped to bring the item into view; false when the root screen is not shown or has no such tab.
    static bool showTab(const std::string& nameOrTitle);
    // Presents over the root screen a screen made by class name (how the runner reaches screens no other screen
    // opens, as an interface file naming them would make them); answers why not (the root screen is not shown or
    // presents a screen already, no screen class has that name), or nullopt.
    static std::optional<std::string> presentScreen(const std::string& className);
    // Dismisses what the root screen presents; false when it presents nothing.
    static bool dismissPresentedScreen();
};

}  // namespace qov
