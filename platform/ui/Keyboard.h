#pragma once

#include "platform/base/NotificationCenter.h"
#include "platform/ui/Geometry.h"

namespace platform::ui {

// The on-screen keyboard: it rises at the bottom of the screen whenever a text input (a field or a search
// bar) becomes the first responder, and then posts kDidShowNotification on the default center with its end
// frame in the user information. Main thread only.
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
};

}  // namespace platform::ui
