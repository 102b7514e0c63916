#pragma once

#include <memory>
#include <vector>

#include "platform/ui/View.h"

namespace platform::ui {

// One view as the user sees it on screen.
struct VisibleView {
    std::shared_ptr<View> view;
    Rect frame;             // on screen; the bounding box of the view when it (or an ancestor) is rotated
    Rect visible;           // the part of frame inside the screen and every clipping ancestor
    int depth = 0;          // 0 for the window's layers and the alerts
    bool touchable = true;  // neither the view nor an ancestor ignores touches
    bool covered = false;   // an opaque view drawn later (not one of its own subviews) hides all of it
};

// The views on screen, after layout, in drawing order (back to front, each view before its subviews): the key
// window's visible layers, then the alerts and sheets. Hidden and fully transparent views are left out with
// their subviews; a view with no part inside the screen and its clipping ancestors is left out (unless
// includeClippedOut: its visible part is then empty), and so are its subviews when it clips them. Main thread only.
class VisibleViews {
public:
    static std::vector<VisibleView> onScreen(bool includeClippedOut = false);
    // The same for one view's tree, the view placed as it is in its window.
    static std::vector<VisibleView> ofTree(View& view);
};

}  // namespace platform::ui
