#include "platform/ui/ScreenDump.h"

#include <algorithm>

#include "platform/ui/Keyboard.h"
#include "platform/ui/PopupView.h"
#include "platform/ui/ViewLook.h"
#include "platform/ui/VisibleViews.h"

namespace platform::ui {

namespace {

std::string dumpOf(const std::vector<VisibleView>& views) {
    std::string out;
    for (const auto& shown : views) {
        if (shown.covered) {
            continue;
        }
        const View& view = *shown.view;
        out += std::string(static_cast<std::size_t>(shown.depth) * 2, ' ');
        out += view.className() + " " + shown.frame.description();
        // Appended piece by piece: GCC 12 warns wrongly of overlapping copies when text is put before a string.
        if (const std::string text = view.text(); !text.empty()) {
            out += ' ';
            out += ViewLook::quoted(text);
        }
        for (const auto& fact : view.dumpState()) {
            out += ' ';
            out += fact;
        }
        for (const auto& word : ViewLook::words(view)) {
            out += ' ';
            out += word;
        }
        out += "\n";
    }
    return out;
}

}  // namespace

std::string ScreenDump::dumpView(View& view) { return dumpOf(VisibleViews::ofTree(view)); }

std::string ScreenDump::dumpScreen() {
    auto views = VisibleViews::onScreen();
    if (!Keyboard::isShown()) {
        return dumpOf(views);
    }
    // The keyboard stands between the window's views and the alerts.
    const auto firstPopup = std::find_if(views.begin(), views.end(), [](const VisibleView& shown) {
        return shown.depth == 0 && dynamic_cast<const PopupView*>(shown.view.get());
    });
    const std::vector<VisibleView> popups(firstPopup, views.end());
    views.erase(firstPopup, views.end());
    return dumpOf(views) + "Keyboard " + Keyboard::frame().description() + "\n" + dumpOf(popups);
}

}  // namespace platform::ui
