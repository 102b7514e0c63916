#pragma once

#include <memory>
#include <string>

#include "platform/ui/ScriptLine.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/View.h"

namespace platform::ui {

// Finds what a screen script aims at, among what a user could see and touch, and touches it.
class ScriptTargets {
public:
    enum class Reach {
        Touchable,  // on screen, inside every clipping ancestor, not hidden behind opaque views, taking touches,
                    // with a view at or above that responds to taps
        Visible,    // the same, whether or not anything responds to taps (a finger can still drag it)
        Scrollable  // the same, but also views scrolled or clipped out of sight
    };
    // The target's match number target.ordinal, counted in reading order (top to bottom, then left to right by
    // the frames on screen); nullptr when there are fewer matches. A view matches when its
    // class name is the target's (if given) and it offers the target's text (if given) to a tap.
    static std::shared_ptr<View> find(const ScriptTarget& target, Reach reach);

    // A touch on the view, which shows text: the view, then each ancestor in turn, until one takes the touch
    // (View::tapFrom). Answers whether one did.
    static bool tap(View& touched, const std::string& text);
    // The same for any tap gesture: other than a single tap, only tap recognisers of that gesture take it
    // (controls and rows answer single taps only).
    static bool tap(View& touched, const std::string& text, const TapGesture& gesture);

    // A finger on touched moves dx, dy: a slider's thumb follows; a table at or above it reorders a row when
    // touched is the row's reorder control (TableView::dragFrom); else the nearest view at or above it that
    // follows drags (View::followDrag, a map) moves. Answers whether one did; otherwise the drag scrolls.
    static bool drag(View& touched, double dx, double dy);
    // Two fingers on touched pinch by scale around a point of touched's bounds: the nearest view at or above it
    // that follows pinches (View::followPinch, a map) zooms around that point. Answers whether one did.
    static bool pinch(View& touched, double scale, Point around);

    // The nearest scroll view at or above the view that lets the user scroll, or nullptr.
    static std::shared_ptr<class ScrollView> enclosingScrollView(View& view);
};

}  // namespace platform::ui
