#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/gfx/Rect.h"
#include "platform/ui/View.h"

namespace platform::ui {

// The device's touch panel: a finger on a point of the screen (the device display turns clicks and drags into
// these). A touch lands on the front-most view under the finger that takes touches (neither it nor an ancestor
// ignores them), among what VisibleViews finds on screen, so what the user cannot see cannot be touched; it is
// then delivered as a screen script's tap is (ScriptTargets::tap), with the text the view shows at the point
// (a segment's or bar button's title, an empty field's placeholder). While an alert or sheet shows, only its
// buttons take touches; while the keyboard shows, touches on it reach no view under it: a tap there types the key
// under the finger (KeyboardLayout) as the Keyboard's keys do. Main thread only.
class TouchPanel {
public:
    // The front-most view under the point that a finger reaches; nullptr when there is none.
    static std::shared_ptr<View> viewAt(gfx::Point point);
    // A tap at the point; answers why nothing took it, or nullopt when something did. taps counts the quick taps
    // in a row that this one ends (2: the second tap of a double tap): a recogniser of that many taps at or above
    // the view under the finger takes it (a map zooms in); when none does, it is one more single tap (a key, a
    // button).
    static std::optional<std::string> tap(gfx::Point point, int taps = 1);
    // A finger put down at the point and moved dx, dy points: a table row's reorder control moves its row, a
    // map pans, otherwise the nearest scroll view under it follows the finger, as far as its content goes. Answers why
    // nothing moved, or nullopt.
    static std::optional<std::string> drag(gfx::Point point, double dx, double dy);
    // Two fingers around the point pinch by scale (above 1: apart, zooming in): a map under them zooms around
    // the point. Answers why nothing zoomed, or nullopt.
    static std::optional<std::string> pinch(gfx::Point point, double scale);

private:
    struct Touch {
        std::shared_ptr<View> view;
        std::string text;  // what the view shows at the point
    };
    static Touch touchAt(gfx::Point point);
};

}  // namespace platform::ui
