#include "platform/ui/KeyboardLayout.h"

#include <string_view>

namespace platform::ui {

namespace {

constexpr int kRows = 4;
constexpr int kKeysInWidestRow = 10;
constexpr double kKeyHeight = 40.0;
constexpr double kGapInPitches = 0.18;
constexpr double kSideKeyPitches = 1.3;     // shift and backspace
constexpr double kBottomSidePitches = 2.5;  // the layer switch and return

// A row of character keys: its characters, how far in it starts and each key's width, in key pitches. Each row
// is centred: the letters' second row is indented half a key, their third a key and a half.
struct CharacterRow {
    std::string_view characters;
    double indent;
    double keyWidth;
};
constexpr CharacterRow kLetterRows[] = {{"qwertyuiop", 0.0, 1.0}, {"asdfghjkl", 0.5, 1.0}, {"zxcvbnm", 1.5, 1.0}};
constexpr CharacterRow kNumberRows[] = {{"1234567890", 0.0, 1.0}, {"-/:;()$&@\"", 0.0, 1.0}, {".,?!'", 1.5, 1.4}};

}  // namespace

std::vector<KeyboardLayout::Key> KeyboardLayout::keys(const Rect& frame, Layer layer) {
    const double pitch = frame.width() / kKeysInWidestRow;
    const double gap = pitch * kGapInPitches;
    const double rowPitch = frame.height() / kRows;
    std::vector<Key> keys;
    const auto add = [&](KeyKind kind, std::string character, int row, double left, double widthInPitches) {
        const double rowTop = frame.y() + row * rowPitch;
        const Rect area(left, rowTop, widthInPitches * pitch, rowPitch);
        const Rect cap(left + gap / 2.0, rowTop + (rowPitch - kKeyHeight) / 2.0, area.width() - gap, kKeyHeight);
        keys.push_back(Key{kind, std::move(character), cap, area});
    };
    const auto& rows = layer == Layer::Letters ? kLetterRows : kNumberRows;
    for (int row = 0; row < 3; ++row) {
        const CharacterRow& each = rows[row];
        for (std::size_t index = 0; index < each.characters.size(); ++index) {
            add(KeyKind::Character, std::string(1, each.characters[index]), row,
                frame.x() + (each.indent + double(index) * each.keyWidth) * pitch, each.keyWidth);
        }
    }
    if (layer == Layer::Letters) {
        add(KeyKind::Shift, {}, 2, frame.x(), kSideKeyPitches);
    }
    add(KeyKind::Backspace, {}, 2, frame.maxX() - kSideKeyPitches * pitch, kSideKeyPitches);
    add(KeyKind::LayerSwitch, {}, 3, frame.x(), kBottomSidePitches);
    add(KeyKind::Space, {}, 3, frame.x() + kBottomSidePitches * pitch, kKeysInWidestRow - 2 * kBottomSidePitches);
    add(KeyKind::Return, {}, 3, frame.maxX() - kBottomSidePitches * pitch, kBottomSidePitches);
    return keys;
}

const KeyboardLayout::Key* KeyboardLayout::keyAt(const std::vector<Key>& keys, Point point) {
    for (const auto& key : keys) {
        if (key.area.contains(point)) {
            return &key;
        }
    }
    return nullptr;
}

const char* KeyboardLayout::layerSwitchTitle(Layer layer) { return layer == Layer::Letters ? "123" : "ABC"; }

}  // namespace platform::ui
