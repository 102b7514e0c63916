#include "platform/ui/KeyboardPainter.h"

#include <cmath>

#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Image.h"
#include "platform/ui/KeyboardLayout.h"

namespace platform::ui {
namespace {

using Kind = KeyboardLayout::KeyKind;

bool isInk(const gfx::Image& picture, int x, int y) {
    const auto colour = picture.pixel(x, y);
    return colour.red + colour.green + colour.blue < 1.0;
}

// How the ink of one key's cap lies: how much there is, and how much of it has no mirror image across the cap's
// middle (an upward arrow has none; a tag pointing left is nearly all unmatched).
struct CapInk {
    int ink = 0;
    int unmirrored = 0;
};

CapInk inkOf(const gfx::Image& picture, const Rect& cap) {
    CapInk result;
    for (int y = static_cast<int>(cap.y()); y < static_cast<int>(cap.maxY()); ++y) {
        for (int x = static_cast<int>(cap.x()); x < static_cast<int>(cap.maxX()); ++x) {
            // The pixel whose middle mirrors this one's across the cap's middle.
            const int mirror = static_cast<int>(std::floor(2.0 * cap.midX() - x - 0.5));
            const bool here = isInk(picture, x, y);
            result.ink += here ? 1 : 0;
            result.unmirrored += here && !isInk(picture, mirror, y) ? 1 : 0;
        }
    }
    return result;
}

TEST(KeyboardPainterTest, ShiftShowsAnUpwardArrowAndBackspaceATagPointingLeft) {
    const Rect frame(0, 0, 320, 216);
    gfx::BitmapContext context(320, 216);
    KeyboardPainter::paint(context, frame, KeyboardLayout::Layer::Letters, "Search");
    const auto picture = context.makeImage();
    ASSERT_NE(picture, nullptr);

    int checked = 0;
    for (const auto& key : KeyboardLayout::keys(frame)) {
        if (key.kind == Kind::Shift) {
            const CapInk shift = inkOf(*picture, key.cap);
            EXPECT_GT(shift.ink, 100) << "the arrow is filled";
            EXPECT_LE(shift.unmirrored, 8) << "an upward arrow is the same on both sides";
            ++checked;
        } else if (key.kind == Kind::Backspace) {
            const CapInk backspace = inkOf(*picture, key.cap);
            EXPECT_GT(backspace.ink, 40) << "the tag is outlined";
            EXPECT_GT(backspace.unmirrored, backspace.ink / 3) << "the tag points one way";
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2);
}

}  // namespace
}  // namespace platform::ui
