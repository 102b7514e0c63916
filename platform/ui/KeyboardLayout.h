#pragma once

#include <string>
#include <vector>

#include "platform/ui/Geometry.h"

namespace platform::ui {

// Where the on-screen keyboard's keys stand in its frame, on either of its layers. Letters: three rows of
// character keys (q-p, a-l, and z-m between shift and backspace) and a bottom row of "123", the space bar and the
// return key. Numbers: digits, a row of signs and a row of five wider punctuation keys before backspace, over
// "ABC", the space bar and the return key. "123" and "ABC" switch between the layers. Keys are laid out in
// proportion to the frame's width, so the same layout serves a phone and a pad. The painter draws these keys and
// a finger on the panel touches them. Pure geometry: any thread.
class KeyboardLayout {
public:
    enum class Layer { Letters, Numbers };
    enum class KeyKind { Character, Shift, Backspace, LayerSwitch, Space, Return };

    struct Key {
        KeyKind kind;
        std::string character;  // what a character key types (a letter in lowercase); empty for the others
        Rect cap;               // the key as drawn
        Rect area;              // what a finger touches: the cap with half the gaps around it
    };

    static std::vector<Key> keys(const Rect& frame, Layer layer = Layer::Letters);
    // The key whose area holds the point; nullptr when the point falls beside every key.
    static const Key* keyAt(const std::vector<Key>& keys, Point point);
    // The title of the layer switch on that layer: "123" on letters, "ABC" on numbers.
    static const char* layerSwitchTitle(Layer layer);
};

}  // namespace platform::ui
