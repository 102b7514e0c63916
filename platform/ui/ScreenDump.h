#pragma once

#include <string>

#include "platform/ui/View.h"

namespace platform::ui {

// The visible screen as text: one line per view on screen, indented by depth, with its class, its frame in
// screen coordinates and the text it shows:  Label {10, 64, 300, 21} "Today"
// Hidden or transparent views and views outside their clipping ancestors are left out with their subviews.
class ScreenDump {
public:
    // The view and its subviews, the view's frame taken as it is in its window.
    static std::string dumpView(View& view);
    // The key window's visible layers, then the alerts and sheets on screen.
    static std::string dumpScreen();

private:
    static void dumpTree(std::string& out, View& view, Point origin, const Rect& visible, int depth);
};

}  // namespace platform::ui
