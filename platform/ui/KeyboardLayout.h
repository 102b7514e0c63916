#pragma once

#include <string>
#include <vector>

#include "platform/ui/Geometry.h"

namespace platform::ui {

// Where the on-screen keyboard's keys stand in its frame: three rows of letter keys (q-p, a-l, and z-m between
// shift and backspace) and a bottom row of "123", the space bar and the return key. Keys are laid out in
// proportion to the frame's width, so the same layout serves a phone and a pad. The painter draws these keys and
// a finger on the panel touches them. Pure geometry: any thread.
class KeyboardLayout {
public:
    enum class KeyKind { Letter, Shift, Backspace, Numbers, Space, Return };

    struct Key {
        KeyKind kind;
        std::string letter;  // a letter key's lowercase letter; empty for the others
        Rect cap;            // the key as drawn
        Rect area;           // what a finger touches: the cap with half the gaps around it
    };

    static std::vector<Key> keys(const Rect& frame);
    // The key whose area holds the point; nullptr when the point falls beside every key.
    static const Key* keyAt(const std::vector<Key>& keys, Point point);
};

}  // namespace platform::ui
