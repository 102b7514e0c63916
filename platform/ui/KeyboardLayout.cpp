#include "platform/ui/KeyboardLayout.h"

#include <string_view>

namespace platform::ui {

namespace {

constexpr int kRows = 4;
constexpr int kKeysInWidestRow = 10;
constexpr double kKeyHeight = 40.0;
constexpr double kGapInPitches = 0.18;
constexpr double kSideKeyPitches = 1.3;     // shift and backspace
constexpr double kBottomSidePitches = 2.5;  // "123" and return
constexpr std::string_view kLetterRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
// Each letter row is centred: the second row is indented half a key, the third a key and a half.
constexpr double kIndents[] = {0.0, 0.5, 1.5};

}  // namespace

std::vector<KeyboardLayout::Key> KeyboardLayout::keys(const Rect& frame) {
    const double pitch = frame.width() / kKeysInWidestRow;
    const double gap = pitch * kGapInPitches;
    const double rowPitch = frame.height() / kRows;
    std::vector<Key> keys;
    const auto add = [&](KeyKind kind, std::string letter, int row, double left, double widthInPitches) {
        const double rowTop = frame.y() + row * rowPitch;
        const Rect area(left, rowTop, widthInPitches * pitch, rowPitch);
        const Rect cap(left + gap / 2.0, rowTop + (rowPitch - kKeyHeight) / 2.0, area.width() - gap, kKeyHeight);
        keys.push_back(Key{kind, std::move(letter), cap, area});
    };
    for (int row = 0; row < 3; ++row) {
        const std::string_view letters = kLetterRows[row];
        for (std::size_t index = 0; index < letters.size(); ++index) {
            add(KeyKind::Letter, std::string(1, letters[index]), row,
                frame.x() + (kIndents[row] + double(index)) * pitch, 1.0);
        }
    }
    add(KeyKind::Shift, {}, 2, frame.x(), kSideKeyPitches);
    add(KeyKind::Backspace, {}, 2, frame.maxX() - kSideKeyPitches * pitch, kSideKeyPitches);
    add(KeyKind::Numbers, {}, 3, frame.x(), kBottomSidePitches);
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

}  // namespace platform::ui
