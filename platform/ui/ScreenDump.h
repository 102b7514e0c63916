#pragma once

#include <string>

#include "platform/ui/View.h"

namespace platform::ui {

// The visible screen as text: one line per view on screen (VisibleViews), indented by depth, with its class, its
// frame in screen coordinates, the text it shows, its state (View::dumpState), then how it looks (ViewLook: font,
// alignment, lines, pictures, background colour, rotation, ...):
//   Label {10, 64, 300, 21} "Today" color #000000 font DejaVuSans-Bold 17 align center
//   Button {220, 130, 90, 30} "Refresh" alpha 0.5 disabled color #FFFFFF font DejaVuSans-Bold 15
// Hidden or transparent views, views outside their clipping ancestors and views an opaque view in front hides
// entirely are left out (so a view hidden or shown adds or removes its lines). Texts are quoted with \" and \\, and
// control characters escaped.
class ScreenDump {
public:
    // The view and its subviews, the view's frame taken as it is in its window.
    static std::string dumpView(View& view);
    // The key window's visible layers, a "Keyboard {x, y, width, height}" line while the keyboard shows, then
    // the alerts and sheets on screen.
    static std::string dumpScreen();
};

}  // namespace platform::ui
