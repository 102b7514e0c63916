#pragma once

#include <string>

#include "platform/base/NotificationCenter.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/KeyboardLayout.h"

namespace platform::ui {

// The on-screen keyboard. It rises at the bottom of the screen whenever a text input (a field or a search bar)
// becomes the first responder, and then posts kDidShowNotification on the default center with its end frame in
// the user information. Its keys go to the field being edited (the first responder: a text field, a search bar
// or a text view); each key answers false, and does nothing, when no field is being edited. It stays shown
// while the input that raised it remains the first responder. It shows its letters when it rises; its layer
// switch ("123", then "ABC") turns to digits and signs and back. The screen renderer draws it (KeyboardPainter)
// over the window's views and below alerts, and touches on it reach no view under it.
// Main thread only.
class Keyboard {
public:
    static constexpr const char* kDidShowNotification = "KeyboardDidShowNotification";
    // A dictionary with "x", "y", "width" and "height" in screen coordinates.
    static constexpr const char* kFrameEndUserInfoKey = "KeyboardFrameEndUserInfoKey";
    static constexpr double kHeight = 216.0;

    // Called by text inputs that just became the first responder.
    static void didShow();
    // The end frame a did-show notification carries; an empty rect when it carries none.
    static Rect endFrame(const Notification& notification);

    static bool isShown();
    // Where the keyboard stands when shown: the bottom kHeight points of the screen.
    static Rect frame();
    // True when the keyboard is shown and covers the point (in screen coordinates).
    static bool covers(Point point);
    // The return key's title for the input being edited: "Search", "Go", "Done", ... or "return".
    static std::string returnKeyTitle();
    // The keys it shows: letters, or digits and signs.
    static KeyboardLayout::Layer layer();
    // The layer switch: letters to digits and signs, and back. False, and nothing switched, while it is hidden.
    static bool switchLayer();

    static bool type(const std::string& text);
    // The action key: return on a text field or text view, search on a search bar.
    static bool pressReturn();
    static bool pressBackspace();
};

}  // namespace platform::ui
