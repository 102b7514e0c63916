#pragma once

#include <string>

namespace platform::ui {

// The on-screen keyboard's keys, delivered to the field being edited (the first responder: a text field, a
// search bar or a text view). Each answers false, and does nothing, when no field is being edited.
// Main thread only.
class Keyboard {
public:
    static bool type(const std::string& text);
    // The action key: return on a text field or text view, search on a search bar.
    static bool pressReturn();
    static bool pressBackspace();
};

}  // namespace platform::ui
