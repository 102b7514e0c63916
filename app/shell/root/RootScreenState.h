#pragma once

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
    // Shows the root screen's tab with the item name (or the title) as a press on its item would; false when the
    // root screen is not shown or has no such tab.
    static bool showTab(const std::string& nameOrTitle);
};

}  // namespace qov
